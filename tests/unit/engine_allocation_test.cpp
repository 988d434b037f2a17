// A quiet scan tick (nothing new to record, nothing to block) must not touch the
// heap: it runs five times a second for the life of the program.
#include <gtest/gtest.h>

#include <string>

#include "support/allocation_counter.h"
#include "support/simulated_desktop.h"

namespace hushwall {
namespace {

TEST(SteadyTick, MakesNoHeapAllocation) {
  sim::Rig rig;
  for (int index = 0; index < 300; ++index) {
    // Titles of many lengths, so reused texts must be long enough for any of them.
    const std::string number = std::to_string(index * 7919 % 1000);
    rig.desktop.Add(index % 10 == 0 ? std::string(index % 37, '*') + " page " + number + " - Opera"
                                    : "Document " + number);
  }
  for (int index = 0; index < 100; ++index)
    rig.state.RemoveList().Append("Listed " + std::to_string(index));
  rig.engine.Tick();
  for (int index = 0; index < 10; index += 3) rig.state.SeenList().SetSelected(index, true);
  for (int warm_up = 0; warm_up < 5; ++warm_up) rig.engine.Tick();

  const long before = testing::heap_allocations;
  for (int tick = 0; tick < 20; ++tick) rig.engine.Tick();
  EXPECT_EQ(testing::heap_allocations - before, 0);
  EXPECT_EQ(rig.state.SeenList().Count(), 30);
  EXPECT_TRUE(rig.desktop.posted.empty());
}

}  // namespace
}  // namespace hushwall
