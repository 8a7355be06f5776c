#include "tools/gen/music/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace {

constexpr int kBlockFrames = 1024;

void AppendPage(const ogg_page& page, std::vector<uint8_t>& out) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

// Moves every finished packet into the stream and every full page out.
void DrainEncoder(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream,
                  std::vector<uint8_t>& out) {
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    ogg_packet packet;
    while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
      ogg_stream_packetin(&stream, &packet);
      ogg_page page;
      while (ogg_stream_pageout(&stream, &page) != 0) AppendPage(page, out);
    }
  }
}

}  // namespace

std::vector<uint8_t> EncodeOggVorbis(const std::vector<float>& samples, const OggEncodeSettings& settings) {
  std::vector<uint8_t> out;
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, settings.channels, long(settings.rate), settings.quality) != 0) {
    vorbis_info_clear(&info);
    return out;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, int(settings.serial));

  ogg_packet identification, commentPacket, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &identification, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &identification);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(page, out);  // audio starts on a fresh page

  const size_t channels = size_t(settings.channels);
  const size_t frames = samples.size() / channels;
  for (size_t first = 0; first < frames; first += kBlockFrames) {
    const size_t count = std::min<size_t>(kBlockFrames, frames - first);
    float** buffer = vorbis_analysis_buffer(&dsp, int(count));
    for (size_t i = 0; i < count; ++i)
      for (size_t c = 0; c < channels; ++c) buffer[c][i] = samples[(first + i) * channels + c];
    vorbis_analysis_wrote(&dsp, int(count));
    DrainEncoder(dsp, block, stream, out);
  }
  vorbis_analysis_wrote(&dsp, 0);  // end of stream
  DrainEncoder(dsp, block, stream, out);
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(page, out);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}
