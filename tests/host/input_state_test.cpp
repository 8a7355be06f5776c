#include "host/input_state.h"

#include <gtest/gtest.h>

namespace {

InputEvent Move(int x, int y) {
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  e.x = x;
  e.y = y;
  return e;
}

InputEvent Key(InputEvent::Kind kind, int key) {
  InputEvent e;
  e.kind = kind;
  e.key = key;
  return e;
}

TEST(InputState, KeysAndClicksEndTheRunButReleasesDoNotClearTheFlag) {
  InputState s;
  EXPECT_FALSE(s.ExitRequested(false));
  s.HandleEvent(Key(InputEvent::Kind::KeyDown, 'A'), 0, 0);
  EXPECT_EQ(s.KeyTable['A'], 1);
  s.HandleEvent(Key(InputEvent::Kind::KeyUp, 'A'), 0, 0);
  EXPECT_EQ(s.KeyTable['A'], 0);
  EXPECT_TRUE(s.ExitRequested(false));

  InputState click;
  click.HandleEvent(Key(InputEvent::Kind::ButtonDown, 0), 0, 0);
  EXPECT_TRUE(click.ExitRequested(false));

  InputState other;  // system keys and other messages arrive as Other
  other.HandleEvent(Key(InputEvent::Kind::Other, 0x12), 0, 0);
  EXPECT_FALSE(other.ExitRequested(true));
}

TEST(InputState, MouseTravelOf24PixelsInAnyDirectionEndsTheRun23DoesNot) {
  const int cx = 400, cy = 300;
  struct Case { int dx, dy; bool ends; } cases[] = {
      {24, 0, true}, {-24, 0, true}, {0, 24, true}, {0, -24, true},
      {23, 0, false}, {-23, 0, false}, {0, -23, false}, {-17, -17, true}};
  for (const Case& c : cases) {
    InputState s;
    s.HandleEvent(Move(cx + c.dx, cy + c.dy), cx, cy);
    EXPECT_TRUE(s.ConsumeMouseDeltas());
    EXPECT_EQ(s.ExitRequested(true), c.ends) << c.dx << "," << c.dy;
    EXPECT_FALSE(s.ExitRequested(false)) << "mouse moves count only with MouseExit";
  }
}

TEST(InputState, MovesBackAndForthAddUpInsteadOfCancelling) {
  InputState s;
  for (int dx : {12, -12, 12}) {
    s.HandleEvent(Move(100 + dx, 100), 100, 100);
    s.ConsumeMouseDeltas();
  }
  EXPECT_FLOAT_EQ(s.MouseTravel, 3 * 12 * MouseDeltaScale);
  EXPECT_TRUE(s.ExitRequested(true));
}

TEST(InputState, AMoveToTheCentreLeavesNothingToConsume) {
  InputState s;
  s.HandleEvent(Move(5, 5), 5, 5);
  EXPECT_EQ(s.MouseDeltaX, 0);
  EXPECT_EQ(s.MouseDeltaY, 0);
  EXPECT_FALSE(s.ConsumeMouseDeltas());
}

}  // namespace
