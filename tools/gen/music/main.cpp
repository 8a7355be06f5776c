// gen_music: writes the looping music track as Ogg Vorbis.
//   gen_music OUTPUT.ogg [--report DIR]
// --report also prints levels, the loop seam and how closely the file
// decodes back (through the screensaver's own decoder) to the synthesized
// sound, and writes spectrograms of the whole loop and of its seam.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "audio/core/vorbis_decoder.h"
#include "tools/common/file_bytes.h"
#include "tools/gen/music/analysis.h"
#include "tools/gen/music/loudness.h"
#include "tools/gen/music/music.h"
#include "tools/gen/music/ogg_writer.h"

namespace {

std::vector<float> Interleave(const StereoBuffer& b) {
  std::vector<float> out(b.frames() * 2);
  for (size_t i = 0; i < b.frames(); ++i) {
    out[i * 2] = b.left[i];
    out[i * 2 + 1] = b.right[i];
  }
  return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  return WriteFileBytes(path, bytes);
}

void PrintTrack(const char* name, const StereoBuffer& track, double rate) {
  const Levels l = MeasureLevels(track, rate);
  const Seam s = MeasureSeam(track, rate);
  std::printf("%-11s peak %6.2f dBFS  rms %6.2f dBFS  loudness %6.2f LUFS  dc %+.1e %+.1e  side/mid %5.1f dB\n",
              name, l.peakDb, l.rmsDb, l.loudness, l.dcLeft, l.dcRight, l.sideDb);
  std::printf("%-11s seam: step %.2f of the 99.9th percentile, level change %+.2f dB, spectral change %.2f of median\n",
              "", s.stepRatio, s.levelChangeDb, s.spectralRatio);
}

void PrintStem(const char* name, const StereoBuffer& stem, float level, double gainDb, double rate) {
  std::printf("  %-7s %6.1f LUFS in the mix\n", name, IntegratedLoudness(stem, rate) + 20.0 * std::log10(level) + gainDb);
}

int Report(const MusicStems& stems, const RenderedMusic& music, const std::vector<uint8_t>& ogg, double rate,
           const std::filesystem::path& dir) {
  std::printf("parts:\n");
  PrintStem("pads", stems.pads, kPadsLevel.mix, music.gainDb, rate);
  PrintStem("pulse", stems.pulse, kPulseLevel.mix, music.gainDb, rate);
  PrintStem("bells", stems.bells, kBellsLevel.mix, music.gainDb, rate);
  PrintStem("echo", stems.echo, kEchoLevel.mix, music.gainDb, rate);
  PrintStem("reverb", stems.reverb, kReverbLevel, music.gainDb, rate);
  PrintTrack("synthesized", music.mix, rate);
  std::printf("octaves    ");
  const char* kCentres[] = {"31", "63", "125", "250", "500", "1k", "2k", "4k", "8k", "16k"};
  const std::vector<double> balance = OctaveBalance(music.mix, rate);
  for (size_t b = 0; b < balance.size(); ++b) std::printf(" %s:%.0f", kCentres[b], balance[b]);
  std::printf(" dB\n");
  DecodedSound sound;
  if (DecodeOggVorbis(ogg.data(), ogg.size(), uint32_t(rate), sound) != DecodeResult::Ok) {
    std::fprintf(stderr, "gen_music: the written file does not decode\n");
    return 1;
  }
  StereoBuffer decoded(sound.pcm.frameCount());
  for (size_t i = 0; i < decoded.frames(); ++i) {
    decoded.left[i] = float(sound.pcm.samples[i * 2]) / 32767.0f;
    decoded.right[i] = float(sound.pcm.samples[i * 2 + 1]) / 32767.0f;
  }
  std::printf("decoded: %u frames (synthesized %zu), %u Hz, %d channels, signal/difference %.1f dB\n",
              sound.pcm.frameCount(), music.mix.frames(), sound.sourceRate, sound.sourceChannels,
              SignalToDifferenceDb(music.mix, decoded));
  PrintTrack("decoded", decoded, rate);
  std::filesystem::create_directories(dir);
  const double seconds = double(decoded.frames()) / rate;
  const bool pictures =
      WriteSpectrogram((dir / "music_spectrogram.png").string(), decoded, rate, 0, seconds, 12.0, 1600) &&
      WriteSpectrogram((dir / "music_seam.png").string(), decoded, rate, -8.0, 16.0, 1.0, 1200) &&
      WriteSpectrogram((dir / "music_chord.png").string(), decoded, rate, 36.0, 24.0, 1.0, 1200);
  if (!pictures) std::fprintf(stderr, "gen_music: cannot write the spectrograms into %s\n", dir.c_str());
  return pictures ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool report = argc == 4 && std::strcmp(argv[2], "--report") == 0;
  if (argc != 2 && !report) {
    std::fprintf(stderr, "usage: gen_music OUTPUT.ogg [--report DIR]\n");
    return 2;
  }
  const MusicPlan plan;
  const MusicStems stems = RenderStems(plan);
  const RenderedMusic music = MasterStems(stems, plan.rate);
  OggEncodeSettings settings;
  settings.rate = plan.rate;
  const std::vector<uint8_t> ogg = EncodeOggVorbis(Interleave(music.mix), settings);
  if (ogg.empty() || !WriteFile(argv[1], ogg)) {
    std::fprintf(stderr, "gen_music: cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("gen_music: %s, %.1f s, %zu bytes, master gain %.1f dB\n", argv[1],
              double(music.mix.frames()) / plan.rate, ogg.size(), music.gainDb);
  return report ? Report(stems, music, ogg, plan.rate, argv[3]) : 0;
}
