// qvtool archive: lists, extracts and packs RAR 2.x archives through the
// screensaver's own reader, so a member opens here exactly as it would in
// the flight.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/archive/archive_log.h"
#include "assets/archive/archive_reader.h"
#include "assets/archive/archive_writer.h"
#include "assets/resource_source.h"
#include "tools/common/file_bytes.h"
#include "tools/qvtool/archive_source.h"
#include "tools/qvtool/commands.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "qvtool archive: %s\n", message.c_str());
  return 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: qvtool archive list [FILE]\n"
               "       qvtool archive extract [FILE] MEMBER [-o OUT]\n"
               "       qvtool archive pack DIR -o FILE [--compress]\n"
               "Without FILE the archive built into the program is read.\n");
  return 2;
}

// The reader's diagnostics of one operation, to tell the user why it failed.
class Diagnostics : public ArchiveDiagnostics {
 public:
  void Write(const std::string& text, std::source_location) override { lines_.push_back(text); }
  // The last diagnostic before the reader's closing failure line, or
  // otherwise when the reader said no more than its opening line.
  std::string Reason(bool extracting, const char* otherwise) const {
    size_t end = lines_.size() - (extracting && !lines_.empty() ? 1 : 0);
    return end <= 1 ? otherwise : lines_[end - 1];
  }

 private:
  std::vector<std::string> lines_;
};

int List(int argc, char** argv) {
  if (argc > 1) return Usage();
  ArchiveSource source;
  std::string error;
  if (!LoadArchive(argc ? argv[0] : nullptr, &source, &error)) return Fail(error);
  Diagnostics diagnostics;
  bool allOk = true;
  ArchiveStatus read = ListArchiveMembers(source.view, diagnostics, [&](const ArchiveEntry& e, bool ok) {
    std::printf("%s\t%u\t%u\t0x%02X\t%s\n", e.name, unsigned(e.header.unpackedSize),
                unsigned(e.header.packedSize), unsigned(e.header.method), ok ? "ok" : "bad");
    if (!ok) std::fprintf(stderr, "qvtool archive: %s: %s\n", e.name, diagnostics.Reason(false, "unreadable member").c_str());
    allOk = allOk && ok;
  });
  if (read != ArchiveStatus::Ok) return Fail(source.label + ": " + diagnostics.Reason(false, ArchiveStatusText(read)));
  return allOk ? 0 : 1;
}

bool WriteOutput(const char* path, const uint8_t* data, uint32_t size) {
  if (path) return WriteFileBytes(path, data, size);
  return std::fwrite(data, 1, size, stdout) == size && std::fflush(stdout) == 0;
}

int Extract(int argc, char** argv) {
  std::vector<const char*> positional;
  const char* output = nullptr;
  for (int i = 0; i < argc; i++) {
    if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc)
      output = argv[++i];
    else
      positional.push_back(argv[i]);
  }
  if (positional.empty() || positional.size() > 2) return Usage();
  const char* member = positional.back();
  ArchiveSource source;
  std::string error;
  if (!LoadArchive(positional.size() == 2 ? positional[0] : nullptr, &source, &error))
    return Fail(error);
  Diagnostics diagnostics;
  uint8_t* buffer = nullptr;
  uint32_t length = 0;
  ArchiveStatus status = ExtractArchiveMember(member, source.view, "", &buffer, &length, diagnostics);
  if (status != ArchiveStatus::Ok)
    return Fail(std::string("cannot extract ") + member + " from " + source.label + ": " +
                diagnostics.Reason(true, ArchiveStatusText(status)));
  bool written = WriteOutput(output, buffer, length);
  std::free(buffer);
  if (!written) return Fail(std::string("cannot write ") + (output ? output : "the output"));
  return 0;
}

int Pack(int argc, char** argv) {
  const char* folder = nullptr;
  const char* output = nullptr;
  PackOptions options;
  for (int i = 0; i < argc; i++) {
    if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc)
      output = argv[++i];
    else if (std::strcmp(argv[i], "--compress") == 0)
      options.compress = true;
    else if (!folder)
      folder = argv[i];
    else
      return Usage();
  }
  if (!folder || !output) return Usage();
  std::vector<uint8_t> archive;
  std::string error;
  if (!PackFolder(folder, options, &archive, &error)) return Fail(error);
  if (!WriteOutput(output, archive.data(), uint32_t(archive.size())))
    return Fail(std::string("cannot write ") + output);
  return 0;
}

}  // namespace

int RunArchive(int argc, char** argv) {
  if (argc < 2) return Usage();
  const char* action = argv[1];
  if (std::strcmp(action, "list") == 0) return List(argc - 2, argv + 2);
  if (std::strcmp(action, "extract") == 0) return Extract(argc - 2, argv + 2);
  if (std::strcmp(action, "pack") == 0) return Pack(argc - 2, argv + 2);
  return Usage();
}
