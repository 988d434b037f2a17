// engine_bench: one scan tick on a simulated desktop of 2,000 top-level windows, 200
// of them browser windows, a remove list of 1,000 entries and 50 selected seen-list
// entries. Prints the time per tick and per window and the heap allocations per
// tick. Build it optimised (CMAKE_BUILD_TYPE=Release, no sanitizers) for figures.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/unit/support/allocation_counter.h"
#include "tests/unit/support/simulated_desktop.h"
#include "tools/bench/timing.h"

namespace {

using bench::MedianMicroseconds;
using hushwall::EntryList;
namespace sim = hushwall::sim;

constexpr int kWindows = 2000;
constexpr int kBrowserWindows = 200;
constexpr int kRemoveEntries = 1000;
constexpr int kSelected = 50;

std::string Numbered(const char* prefix, int number, const char* suffix) {
  return prefix + std::to_string(number) + suffix;
}

// Browser windows spread over the walk, with every box, so no rule closes them;
// their titles are not on the remove list.
void Populate(sim::Rig& rig) {
  const char* const browsers[] = {" - Microsoft Internet Explorer", " - Opera", " - Netscape"};
  for (int index = 0; index < kWindows; ++index) {
    if (index % (kWindows / kBrowserWindows) == 0) {
      rig.desktop.Add(Numbered("Special offers, page ", index, browsers[index % 3]));
    } else {
      rig.desktop.Add(Numbered("Document ", index, " - Editor"));
    }
  }
  for (int index = 0; index < kRemoveEntries; ++index) {
    rig.state.RemoveList().Append(
        Numbered("Listed advertisement ", index, " - Microsoft Internet Explorer"));
  }
  rig.engine.Tick();
  EntryList& seen = rig.state.SeenList();
  for (int index = 0; index < kSelected; ++index)
    seen.SetSelected(index * (kBrowserWindows / kSelected), true);
}

void FillSeenList(EntryList& list, int count) {
  list.Clear();
  for (int index = 0; index < count; ++index) {
    list.Append(Numbered("Special offers, page ", index, " - Opera"));
    if (index % 4 == 0) list.SetSelected(index, true);
  }
}

void RestartingPrune(EntryList& list) {
  for (bool removed = true; removed;) {
    removed = false;
    for (int index = 0; index < list.Count() && !removed; ++index) {
      if (!list.IsSelected(index)) {
        list.RemoveAt(index);
        removed = true;
      }
    }
  }
}

// Median time of prune alone, each run on a freshly filled list.
template <typename Prune>
double MedianPruneMicroseconds(Prune prune) {
  std::vector<double> times;
  EntryList list;
  for (int run = 0; run < 501; ++run) {
    FillSeenList(list, kBrowserWindows);
    const double start = bench::Seconds();
    prune(list);
    times.push_back((bench::Seconds() - start) * 1e6);
  }
  return bench::Median(std::move(times));
}

void ReportPrune() {
  const double one_pass = MedianPruneMicroseconds([](EntryList& list) { list.RemoveUnselected(); });
  const double restart = MedianPruneMicroseconds(RestartingPrune);
  std::printf("prune of %d entries, %d selected: one pass %.2f us, restart-from-0 walk %.2f us\n",
              kBrowserWindows, kBrowserWindows / 4, one_pass, restart);
}

void ReportLookup() {
  for (int count : {100, 30000}) {
    EntryList list;
    FillSeenList(list, count);
    list.Contains("warm up");
    int found = 0;
    const double lookup = MedianMicroseconds(15, 2000,
                                             [&] {
                                               found +=
                                                   list.Contains("Special offers, page 77 - Opera");
                                               found += list.Contains("Not on the list - Opera");
                                             }) /
                          2;
    std::printf("seen-list membership test at %5d entries: %.3f us%s\n", count, lookup,
                found ? "" : " (lookup failed)");
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int batches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
  constexpr int kTicksPerBatch = 40;
  constexpr int kCountedTicks = 200;

  sim::Rig rig;
  Populate(rig);
  for (int warm_up = 0; warm_up < 20; ++warm_up) rig.engine.Tick();

  const long allocations_before = hushwall::testing::heap_allocations;
  for (int counted = 0; counted < kCountedTicks; ++counted) rig.engine.Tick();
  const double allocations_per_tick =
      double(hushwall::testing::heap_allocations - allocations_before) / kCountedTicks;

  const double tick = MedianMicroseconds(batches, kTicksPerBatch, [&] { rig.engine.Tick(); });
  rig.state.Flags().NoMaxButton = 0;  // no style rule: the pass only compares titles
  const double no_style_reads =
      MedianMicroseconds(batches, kTicksPerBatch, [&] { rig.engine.Tick(); });
  rig.state.Flags().StereotypeWindows = 0;  // the same walk without the rule pass
  const double walk_only = MedianMicroseconds(batches, kTicksPerBatch, [&] { rig.engine.Tick(); });

  std::printf(
      "desktop: %d top-level windows, %d browser windows, remove list %d, %d selected seen "
      "entries\n",
      kWindows, kBrowserWindows, kRemoveEntries, kSelected);
  std::printf("tick: %.1f us   per window: %.3f us   heap allocations per tick: %.2f\n", tick,
              tick / kWindows, allocations_per_tick);
  std::printf(
      "  of which the rule pass (%d entries x %d browser windows): %.1f us,\n"
      "  %.1f us of it without the style word reads (no style rule on)\n",
      kRemoveEntries, kBrowserWindows, tick - walk_only, no_style_reads - walk_only);
  std::printf("seen list after the tick: %d entries (%d selected kept first), %d closes posted\n",
              rig.state.SeenList().Count(), kSelected, int(rig.desktop.posted.size()));
  ReportPrune();
  ReportLookup();
  return 0;
}
