#include <gtest/gtest.h>

#include <vector>

#include "ui/main/status_animation.h"

namespace hushwall {
namespace {

// Runs the 100 ms animation timer on a simulated clock; logged blocks come at the
// given times. Returns the frames shown, in order.
std::vector<int> FramesShown(const std::vector<int>& block_times_ms, int until_ms) {
  StatusAnimation animation;
  std::vector<int> frames;
  bool timer_running = false;
  int next_tick = 0;
  std::size_t next_block = 0;
  for (int now = 0; now <= until_ms; ++now) {
    if (next_block < block_times_ms.size() && block_times_ms[next_block] == now) {
      ++next_block;
      if (animation.Start()) {
        timer_running = true;
        next_tick = now + 100;
      }
    }
    if (timer_running && now == next_tick) {
      StatusAnimation::Step step = animation.Tick();
      frames.push_back(step.frame_shown);
      if (step.finished) timer_running = false;
      next_tick += 100;
    }
  }
  EXPECT_EQ(timer_running, animation.Running());
  return frames;
}

TEST(StatusAnimation, OneBlockShowsFramesZeroToSevenThenStops) {
  EXPECT_EQ(FramesShown({0}, 3000), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(StatusAnimation, TwoBlocks300MsApartGiveOneEightFrameAnimation) {
  EXPECT_EQ(FramesShown({0, 300}, 3000), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(StatusAnimation, BlockAfterTheEndStartsAFreshAnimationFromFrameZero) {
  EXPECT_EQ(FramesShown({0, 1000}, 3000),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(StatusAnimation, StopEndsItAndTheNextBlockStartsFromTheFirstFrame) {
  StatusAnimation animation;
  ASSERT_TRUE(animation.Start());
  for (int frame = 0; frame < 3; ++frame) animation.Tick();
  animation.Stop();
  EXPECT_FALSE(animation.Running());
  EXPECT_TRUE(animation.Start()) << "the timer must be started again";
  EXPECT_EQ(animation.Tick().frame_shown, 0);
}

}  // namespace
}  // namespace hushwall
