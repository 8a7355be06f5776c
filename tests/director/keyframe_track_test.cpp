#include "director/keyframe_track.h"

#include <gtest/gtest.h>

#include <cmath>

#include "director/director_testing.h"
#include "base/script_reader.h"
#include "support/fake_resources.h"

namespace {

Quat AboutZ(float degrees) {
  float half = float(degrees * M_PI / 360);
  return {0, 0, std::sin(half), std::cos(half)};
}

TEST(ParseKeyframes, ReadsKeysUpToEndKeysAndAppends) {
  FakeResources resources;
  resources.Set(7,
                "KEYFRAMES\nkeyframe\n time 2.5\n position V(1 -2 3)\n quaternion Q(0.1 0.2 0.3 0.9)\n"
                " freeze\n colour V(9 9 9)\nend\nstray line\nkeyframe\n time 10\nend\n"
                "ENDKEYS\nkeyframe\n time 99\nend\n");
  ScriptReader reader;
  ASSERT_TRUE(resources.resources().OpenResource(7, reader.stream()));
  KeyframeTrack track(1);  // a key already there stays first
  ParseKeyframes(track, reader);
  ASSERT_EQ(track.size(), 3u);
  EXPECT_EQ(track[1].time, 2.5f);
  EXPECT_TRUE(track[1].freeze);
  ExpectNear(Vec3{1, -2, 3}, track[1].position);
  ExpectNear(Quat{0.1f, 0.2f, 0.3f, 0.9f}, track[1].orientation);  // x y z w as written
  EXPECT_FALSE(track[2].freeze);
  ExpectNear(Quat{0, 0, 0, 0}, track[2].orientation);  // not given: the initial value
  EXPECT_STREQ(reader.line(), "ENDKEYS");
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
}

}  // namespace
