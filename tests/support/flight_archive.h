// A small archive for whole flights: three galaxy worlds whose four start
// scenes lead to the "home" world's two scenes, one environment with two
// billboards, and no dynamic objects.
#pragma once
#include <string>
#include <vector>

#include "assets/archive/archive_writer.h"

inline const char* const kGalaxies[] = {"blue_galaxy", "green_galaxy", "red_galaxy"};

inline std::string FlightScene(const char* next, const char* world) {
  return std::string("scene\nfback 0 5\nnext ") + next + "\n" + (world ? std::string("world ") + world + "\n" : "") +
         "KEYFRAMES\nkeyframe\ntime 0\nposition V(0 0 0)\nquaternion Q(0 0 0 1)\nend\n"
         "keyframe\ntime 20\nposition V(100 0 0)\nquaternion Q(0 0 0 1)\nend\nENDKEYS\nend\n";
}

inline std::vector<uint8_t> FlightArchive() {
  ArchiveWriter writer;
  auto text = [&writer](const std::string& name, const std::string& body) {
    writer.AddStored(name, std::vector<uint8_t>(body.begin(), body.end()));
  };
  text("env.txt", "env space\nfirstpass worlds\\first.txt\nend\nENV_END\n");
  text("worlds\\first.txt", "billboard\nbegin\nsize 3\nend\nbillboard\nbegin\nsize 4\nend\nENDWORLD\n");
  text("dynamic.txt", "ENDWORLD\n");
  std::string worlds;
  for (const char* galaxy : kGalaxies) {
    worlds += std::string("world ") + galaxy + "\nenv space\nobjects worlds\\empty.txt\nscenedir " + galaxy + "\\\nend\n";
    for (int i = 0; i < 4; ++i) text(std::string(galaxy) + "\\scene" + std::to_string(i) + ".txt", FlightScene("planet", "home"));
  }
  worlds += "world home\nenv space\nobjects worlds\\empty.txt\nscenedir home\\\nend\nWORLD_END\n";
  text("worlds.txt", worlds);
  text("worlds\\empty.txt", "ENDWORLD\n");
  for (int i = 0; i < 2; ++i) text("home\\planet" + std::to_string(i) + ".txt", FlightScene("planet", nullptr));
  return writer.Finish();
}

