#include "director/keyframe_track.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "director/director_testing.h"
#include "director/script_reader.h"
#include "support/fake_resources.h"

namespace {

// The rotation by degrees about z.
Quat AboutZ(float degrees) {
  float half = float(degrees * M_PI / 360);
  return {0, 0, std::sin(half), std::cos(half)};
}

TEST(ParseKeyframes, ReadsKeysUpToEndKeysAndAppends) {
  FakeResources resources;
  resources.Set(7,
                "KEYFRAMES\n"
                "keyframe\n time 2.5\n position V(1 -2 3)\n quaternion Q(0.1 0.2 0.3 0.9)\n"
                " gradient V(7 7 7)\n freeze\n colour V(9 9 9)\nend\n"
                "stray line\n"
                "keyframe\n position V(4 5 6)\n time 10\nend\n"
                "ENDKEYS\n"
                "keyframe\n time 99\nend\n");
  ScriptReader reader;
  ASSERT_TRUE(reader.stream().OpenResource(7));
  KeyframeTrack track(1);  // a key already there stays first
  ParseKeyframes(track, reader);
  ASSERT_EQ(track.size(), 3u);
  const Keyframe& a = track[1];
  EXPECT_EQ(a.time, 2.5f);
  EXPECT_TRUE(a.freeze);
  ExpectNear(Vec3{1, -2, 3}, a.position);
  ExpectNear(Vec3{7, 7, 7}, a.gradient);
  ExpectNear(Quat{0.1f, 0.2f, 0.3f, 0.9f}, a.orientation);  // x y z w as written
  const Keyframe& b = track[2];
  EXPECT_EQ(b.time, 10.0f);
  EXPECT_FALSE(b.freeze);
  ExpectNear(Quat{0, 0, 0, 0}, b.orientation);  // not given: the initial value
  ExpectNear(Quat{0, 1, 0, 1}, b.inControl);
  EXPECT_STREQ(reader.line(), "ENDKEYS");
}

TEST(ParseKeyframes, StopsWithTheDataWithoutEndKeys) {
  FakeResources resources;
  resources.Set(7, "keyframe\ntime 1\nend\nkeyframe\ntime 2");
  ScriptReader reader;
  ASSERT_TRUE(reader.stream().OpenResource(7));
  KeyframeTrack track;
  ParseKeyframes(track, reader);
  ASSERT_EQ(track.size(), 2u);
  EXPECT_EQ(track[1].time, 2.0f);
}

TEST(PrepareTrack, GradientsAreTheNeighbourDifferences) {
  KeyframeTrack track{Key(0, {0, 0, 0}, AboutZ(0)), Key(10, {4, 2, 0}, AboutZ(0)),
                      Key(20, {10, 0, 6}, AboutZ(0))};
  track[1].gradient = {100, 100, 100};  // a script's gradient is replaced
  PrepareTrack(track);
  ExpectNear(Vec3{4, 2, 0}, track[0].gradient);
  ExpectNear(Vec3{5, 0, 3}, track[1].gradient);  // half of third minus first
  ExpectNear(Vec3{6, -2, 6}, track[2].gradient);
}

TEST(PrepareTrack, ControlsOfAnEvenTurnLieAtItsThirds) {
  // A steady turn about z by 90 degrees per segment: each control point is
  // a third of a segment away from its key.
  KeyframeTrack track{Key(0, {}, AboutZ(0)), Key(1, {}, AboutZ(90)), Key(2, {}, AboutZ(180))};
  PrepareTrack(track);
  ExpectNear(AboutZ(30), track[0].outControl);
  ExpectNear(AboutZ(60), track[1].inControl);
  ExpectNear(AboutZ(120), track[1].outControl);
  ExpectNear(AboutZ(150), track[2].inControl);
  ExpectNear(Quat{0, 1, 0, 1}, track[0].inControl);  // never used, never set
  ExpectNear(Quat{0, 1, 0, 1}, track[2].outControl);
}

TEST(PrepareTrack, ShortTracksAreLeftAlone) {
  KeyframeTrack empty;
  PrepareTrack(empty);
  EXPECT_TRUE(empty.empty());
  KeyframeTrack one{Key(0, {1, 2, 3}, AboutZ(45))};
  one[0].gradient = {5, 5, 5};
  PrepareTrack(one);
  ExpectNear(Vec3{5, 5, 5}, one[0].gradient);
  ExpectNear(Quat{0, 1, 0, 1}, one[0].outControl);
  ClearTrack(one);
  EXPECT_TRUE(one.empty());
}

}  // namespace
