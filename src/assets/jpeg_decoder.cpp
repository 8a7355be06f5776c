#include "assets/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>

#include <jpeglib.h>
#include <jerror.h>



namespace {

struct ErrorManager {
  jpeg_error_mgr library;  // first, so the library's pointer is also ours
  std::jmp_buf escape;
  char firstWarning[JMSG_LENGTH_MAX] = {};
};

struct MemorySource {
  jpeg_source_mgr library;  // first, as above
  const uint8_t* data;
  size_t size;
};

// Everything the decoder touches lives on the heap behind one pointer that is
// set before setjmp and never changed, so nothing is lost by the longjmp.
struct Decoder {
  jpeg_decompress_struct info;
  ErrorManager errors;
  MemorySource source;
  std::vector<uint8_t> pixels;
  std::vector<JSAMPROW> rows;
  int32_t width, height;
};

// The messages are formatted, as the library's own handler does, and dropped.
void DiscardMessage(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX];
  info->err->format_message(info, text);
}

void EmitMessage(j_common_ptr info, int level) {
  jpeg_error_mgr* err = info->err;
  if (level < 0) {  // a warning: counted; only the first is kept
    if (err->num_warnings == 0) err->format_message(info, reinterpret_cast<ErrorManager*>(err)->firstWarning);
    err->num_warnings++;
  } else if (err->trace_level >= level) {
    DiscardMessage(info);
  }
}

[[noreturn]] void ErrorExit(j_common_ptr info) {
  DiscardMessage(info);
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void InitSource(j_decompress_ptr info) {
  auto* source = reinterpret_cast<MemorySource*>(info->src);
  source->library.next_input_byte = source->data;
  source->library.bytes_in_buffer = source->size;
}

// Called only when the data has run out: an end-of-image marker ends the
// picture there instead of waiting for bytes that will never come.
boolean FillInput(j_decompress_ptr info) {
  static const JOCTET fakeEnd[2] = {0xFF, JPEG_EOI};
  WARNMS(info, JWRN_JPEG_EOF);
  info->src->next_input_byte = fakeEnd;
  info->src->bytes_in_buffer = sizeof fakeEnd;
  return TRUE;
}

void SkipInput(j_decompress_ptr info, long count) {
  jpeg_source_mgr* source = info->src;
  if (count <= 0) return;
  size_t skip = size_t(count) < source->bytes_in_buffer ? size_t(count) : source->bytes_in_buffer;
  source->next_input_byte += skip;
  source->bytes_in_buffer -= skip;  // 0 at the end: the next read gets the fake end
}

void TermSource(j_decompress_ptr) {}

void AttachSource(Decoder& d, const uint8_t* data, size_t size) {
  d.source.data = data;
  d.source.size = size;
  d.source.library.init_source = InitSource;
  d.source.library.fill_input_buffer = FillInput;
  d.source.library.skip_input_data = SkipInput;
  d.source.library.resync_to_restart = jpeg_resync_to_restart;
  d.source.library.term_source = TermSource;
  d.info.src = &d.source.library;
}

bool AcceptableOutput(const jpeg_decompress_struct& info) {
  if (info.out_color_components != 1 && info.out_color_components != 3) return false;
  uint64_t pixels = uint64_t(info.output_width) * info.output_height;
  return pixels > 0 && pixels <= MaxJpegPixels;
}

// Grey rows were decoded into the first third of each row; spread them out,
// right to left so no value is overwritten before it is read.
void WidenGreyRows(Decoder& d, size_t width) {
  for (JSAMPROW row : d.rows) {
    for (size_t i = width; i-- > 0;) row[3 * i] = row[3 * i + 1] = row[3 * i + 2] = row[i];
  }
}

// Runs libjpeg over the data into d.pixels.
ImageStatus Run(Decoder& d, const uint8_t* data, size_t size) {
  jpeg_decompress_struct& info = d.info;
  info.err = jpeg_std_error(&d.errors.library);
  d.errors.library.error_exit = ErrorExit;
  d.errors.library.emit_message = EmitMessage;
  d.errors.library.output_message = DiscardMessage;
  if (setjmp(d.errors.escape)) {
    jpeg_destroy_decompress(&info);
    return ImageStatus::Damaged;
  }
  jpeg_create_decompress(&info);
  AttachSource(d, data, size);
  jpeg_read_header(&info, TRUE);
  jpeg_calc_output_dimensions(&info);  // output size known before anything big is allocated
  if (!AcceptableOutput(info)) {
    jpeg_destroy_decompress(&info);
    return ImageStatus::Unsupported;
  }
  jpeg_start_decompress(&info);
  size_t width = info.output_width, height = info.output_height;
  d.width = int32_t(width);
  d.height = int32_t(height);
  d.pixels.assign(width * 3 * height, 0);
  d.rows.resize(height);
  for (size_t k = 0; k < height; ++k) d.rows[k] = &d.pixels[(height - 1 - k) * width * 3];
  while (info.output_scanline < height) {
    JDIMENSION done = info.output_scanline;
    if (jpeg_read_scanlines(&info, &d.rows[done], JDIMENSION(height - done)) == 0) break;
  }
  if (info.out_color_components == 1) WidenGreyRows(d, width);
  jpeg_destroy_decompress(&info);
  return ImageStatus::Ok;
}

}  // namespace

ImageStatus DecodeJpeg(const uint8_t* data, size_t size, DecodedImage& image) {
  const std::unique_ptr<Decoder> decoder = std::make_unique<Decoder>();
  ImageStatus status = Run(*decoder, data, size);
  if (status != ImageStatus::Ok) return status;
  image.width = decoder->width;
  image.height = decoder->height;
  image.rowStride = image.width * 3;
  image.pixels = std::move(decoder->pixels);
  image.warning = decoder->errors.firstWarning;
  return ImageStatus::Ok;
}

ImageStatus LoadJpeg(const Resources& resources, const char* path, DecodedImage& image, bool fromResource,
                     int resourceId) {
  ResourceStream stream;
  if (!resources.Open(path, fromResource, resourceId, stream)) return ImageStatus::Missing;
  return DecodeJpeg(stream.data(), stream.size(), image);
}
