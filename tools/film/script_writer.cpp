#include "tools/film/script_writer.h"

#include <cstdio>

namespace {

std::string Format(const char* pattern, double a, double b = 0, double c = 0, double d = 0) {
  char text[128];
  std::snprintf(text, sizeof text, pattern, a, b, c, d);
  return text;
}

// Fades in from the start and out to the last key, so the cut to the next
// scene falls on a black or white screen.
void WriteFades(const Shot& shot, std::string& out) {
  if (shot.fadeIn.colour != FadeColour::None) {
    out += shot.fadeIn.colour == FadeColour::White ? "wback" : "fback";
    out += Format(" 0 %g\n", shot.fadeIn.seconds);
  }
  if (shot.fadeOut.colour != FadeColour::None) {
    out += shot.fadeOut.colour == FadeColour::White ? "wout" : "fout";
    out += Format(" %g %g\n", shot.length - shot.fadeOut.seconds, shot.length);
  }
}

void WriteKeys(const KeyframeTrack& keys, std::string& out) {
  out += "KEYFRAMES\n";
  for (const Keyframe& key : keys) {
    out += "keyframe\n";
    out += Format("time %f\n", key.time);
    out += Format("position V(%.3f %.3f %.3f)\n", key.position.x, key.position.y, key.position.z);
    const Quat& q = key.orientation;
    out += Format("quaternion Q(%f %f %f %f)\n", q.x, q.y, q.z, q.w);
    out += "end\n";
  }
  out += "ENDKEYS\n";
}

}  // namespace

std::string WriteSceneScript(const Shot& shot, const BuiltShot& built, const std::string& source) {
  std::string out = "// " + shot.name + ": " + shot.title + "\n";
  out += "// Made by tools/film from " + source + "; change the shot there.\n";
  out += "scene\n";
  WriteFades(shot, out);
  for (const std::string& line : shot.lines) out += line + "\n";
  WriteKeys(built.camera.keys, out);
  for (const BuiltTrack& ship : built.ships) {
    out += "set " + ship.name + "\n";
    WriteKeys(ship.keys, out);
  }
  out += "end\n";
  return out;
}
