// Frame pacing and the loading screen's throttle: the rules alone, then
// whole runs on the headless platform, whose waits move its clock on.
#include <gtest/gtest.h>

#include <vector>

#include "host/flight.h"
#include "host/frame_pacer.h"
#include "host/loading_throttle.h"
#include "host/run_saver.h"
#include "host/screensaver_app.h"
#include "platform/headless/headless_platform.h"
#include "settings/memory_settings_store.h"
#include "support/fake_resources.h"
#include "support/flight_archive.h"

namespace {

constexpr int64_t Hz = 10'000'000;  // the headless counter's frequency

TEST(FramePacer, TheLimitWinsThenARetraceWaitingSwapThenTheDisplaysRate) {
  Settings s;
  EXPECT_EQ(PacedFrameRate(s, 75, false), 75);
  EXPECT_EQ(PacedFrameRate(s, 0, false), 60);   // rate unknown
  EXPECT_EQ(PacedFrameRate(s, 75, true), 0);    // the swap waits for the display itself
  s.FrameLimit = 30;
  EXPECT_EQ(PacedFrameRate(s, 75, true), 30);
  EXPECT_EQ(PacedFrameRate(s, 0, false), 30);
  s.FrameLimit = -5;  // stored as a huge unsigned value: no limit asked for
  EXPECT_EQ(PacedFrameRate(s, 50, false), 50);
}

TEST(FramePacer, FramesKeepTheirCadenceAndALoopFarBehindStartsAgain) {
  FramePacer pacer(50, Hz);  // a frame every 200000 ticks
  EXPECT_EQ(pacer.TicksUntilDue(1000), 0);
  pacer.FrameStarted(1000);
  EXPECT_EQ(pacer.TicksUntilDue(1000), 200000);
  EXPECT_EQ(pacer.TicksUntilDue(150000), 51000);
  // Started a little late: the next one is still due on the cadence.
  pacer.FrameStarted(205000);
  EXPECT_EQ(pacer.TicksUntilDue(205000), 196000);
  // More than a frame behind: no burst of frames to catch up.
  pacer.FrameStarted(900000);
  EXPECT_EQ(pacer.TicksUntilDue(900000), 200000);
  pacer.Restart();
  EXPECT_EQ(pacer.TicksUntilDue(900000), 0);

  FramePacer unpaced(0, Hz);
  unpaced.FrameStarted(5);
  EXPECT_EQ(unpaced.TicksUntilDue(5), 0);
}

TEST(LoadingThrottle, AtMostOnceARefreshAndSlowPresentsSpreadOut) {
  LoadingThrottle throttle(50, Hz);
  EXPECT_TRUE(throttle.Due(0));
  throttle.Presented(0, 1000);  // a quick present
  EXPECT_FALSE(throttle.Due(200999));
  EXPECT_TRUE(throttle.Due(201000));
  throttle.Presented(300000, 400000);  // 10 ms: the next after nine times that
  EXPECT_FALSE(throttle.Due(600000));
  EXPECT_FALSE(throttle.Due(1299999));
  EXPECT_TRUE(throttle.Due(1300000));
  LoadingThrottle unknownRate(0, Hz);
  unknownRate.Presented(0, 0);
  EXPECT_FALSE(unknownRate.Due(Hz / 60 - 1));
  EXPECT_TRUE(unknownRate.Due(Hz / 60));
}

// A platform whose window is hidden for a number of the loop's waits.
class HidingPlatform : public HeadlessPlatform {
 public:
  using HeadlessPlatform::HeadlessPlatform;
  void WaitForMessage(double seconds) override {
    HeadlessPlatform::WaitForMessage(seconds);
    if (!FlightWindowVisible()) {
      ++hiddenWaits;
      if (hiddenWaits == hiddenFor) SetFlightWindowVisible(true);
    }
  }
  int hiddenFor = 0, hiddenWaits = 0;
};

class PacedFlight : public ::testing::Test {
 protected:
  PacedFlight() {
    resources.SetArchive(FlightArchive());
    store.Write("EnableMusic", 0);
    store.Write("UseDesktop", 1);
    platform.displays().Set({MakeHeadlessDisplay("Test", 160, 120, 0, 0, AdapterAttachedToDesktop | AdapterPrimary)});
    platform.SetSecondsPerFrame(1.0 / 60);
  }

  // Runs 60 loop frames; onFrame sees each with its number (1 first).
  void Run(const std::function<void(ScreensaverApp&, int)>& onFrame = nullptr) {
    ScreensaverApp app(platform);
    app.InitApp("q.scr /s");
    app.seed = 3;
    int frame = 0;
    platform.SetFrameHook([&](HeadlessPlatform& p, int64_t) {
      if (!app.flight || app.flight->director.sceneLoads == 0) return;
      frameTicks.push_back(p.QueryCounter());
      sceneTimes.push_back(app.flight->director.sceneTime);
      if (onFrame) onFrame(app, ++frame);
      if (frameTicks.size() == 60) {
        InputEvent quit;
        quit.kind = InputEvent::Kind::Quit;
        p.PushInput(quit);
      }
    });
    RunSaver(app);
  }

  FakeResources resources;
  MemorySettingsStore store;
  HidingPlatform platform{resources, store};
  std::vector<int64_t> frameTicks;  // the clock after each loop frame's present
  std::vector<double> sceneTimes;
};

TEST_F(PacedFlight, FramesAsFastAsTheDisplayNeverWaitOnTheVirtualClock) {
  Run();
  ASSERT_EQ(frameTicks.size(), 60u);
  EXPECT_EQ(platform.waits(), 0);
  for (size_t i = 1; i < frameTicks.size(); ++i) EXPECT_EQ(frameTicks[i] - frameTicks[i - 1], Hz / 60 + 1) << i;
}

TEST_F(PacedFlight, AFrameLimitOrASlowDisplaySpacesTheFrames) {
  for (bool limit : {true, false}) {
    frameTicks.clear();
    store.Write("FrameLimit", limit ? 30 : 0);
    platform.SetRefreshRate(limit ? 144 : 30);
    Run();
    ASSERT_EQ(frameTicks.size(), 60u);
    for (size_t i = 2; i < frameTicks.size(); ++i)
      EXPECT_EQ(frameTicks[i] - frameTicks[i - 1], Hz / 30) << limit << " " << i;
  }
}

TEST_F(PacedFlight, AHiddenWindowDrawsNothingAndTheFlightGoesOnWithoutAJump) {
  platform.hiddenFor = 50;  // five seconds away
  int64_t framesWhenHidden = 0;
  Run([&](ScreensaverApp&, int frame) {
    if (frame == 10) {
      platform.SetFlightWindowVisible(false);
      framesWhenHidden = platform.frames();
    }
    if (frame == 11) {
      EXPECT_EQ(platform.frames(), framesWhenHidden + 1);
    }
  });
  EXPECT_EQ(platform.hiddenWaits, 50);
  ASSERT_EQ(sceneTimes.size(), 60u);
  EXPECT_GT(frameTicks[10] - frameTicks[9], 5 * Hz);  // the clock went on while hidden
  double step = sceneTimes[9] - sceneTimes[8];
  EXPECT_GT(step, 0);
  EXPECT_NEAR(sceneTimes[10] - sceneTimes[9], step, step);  // but the flight did not
}

}  // namespace
