// qvtool: the command-line tool for content makers and developers. Every
// command runs the screensaver's own code paths.
#include <cstdio>
#include <cstring>

#include "platform/embedded_resources.h"
#include "tools/qvtool/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);  // argv[0] is the command's name
  const char* usage;
};

const Command kCommands[] = {
    {"help", nullptr, "help                      this list"},
    {"archive", RunArchive,
     "archive list [FILE] | extract [FILE] MEMBER [-o OUT] | pack DIR -o FILE [--compress]"},
    {"settings", RunSettings, "settings [set NAME VALUE] the effective settings, or store one"},
    {"defaults", RunDefaults, "defaults FILE [NAME]      a default-settings text, or one value"},
    {"text", RunText, "text FILE KEY|--about     a language-table text, or the About lines"},
    {"image", RunImage, "image FILE [-o OUT.png]   a JPEG or TGA picture's size; -o writes it as PNG"},
    {"mesh", RunMesh, "mesh FILE                 counts, bounds and size check of a binary mesh"},
    {"simulate", RunSimulate,
     "simulate [--archive FILE] [--seed N] [--galaxy on|off] [--timescale 0..3] [--hours H] [--set NAME=VALUE]"},
    {"render", RunRender,
     "render [--archive FILE] [--size WxH] [--seed N] [--at S[,S...]] [--world NAME --scene FILE --time T[,T...]]\n"
     "                           [--set NAME=VALUE] [--fit WxH] [--step S] -o OUT.png|OUT.bmp|OUT.jpg | --sheet SHEET.png"},
    {"sheet", RunSheet, "sheet [FILE] [--meshes] -o OUT.png  every picture (or mesh) of an archive on one sheet"},
    {"meshview", RunMeshView, "meshview FILE.dat... -o OUT.png [--size WxH] [--uv]  four lit views of meshes"},
};

int Usage(FILE* out) {
  std::fprintf(out, "usage: qvtool COMMAND [ARGS...]\n");
  for (const Command& c : kCommands) std::fprintf(out, "  qvtool %s\n", c.usage);
  return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr);
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    return c.run ? c.run(argc - 1, argv + 1) : Usage(stdout);
  }
  std::fprintf(stderr, "qvtool: unknown command '%s'\n", argv[1]);
  return Usage(stderr);
}
