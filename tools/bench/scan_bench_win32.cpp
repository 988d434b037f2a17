// scan-bench: one scan tick of the real engine on the Win32 adapters, against the
// bare platform pass over the same windows (EnumWindows, GetWindowTextLengthA,
// GetWindowTextA and nothing else). The windows belong to popup-sim, another
// process, so every title read is a round trip as it is for real browser windows.
//
// Usage: scan-bench [iterations]   (beside popup-sim.exe; see wine-bench.sh)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/alert_sound_win32.h"
#include "engine/blocking_state.h"
#include "engine/desktop_win32.h"
#include "engine/engine.h"
#include "engine/log_clock_win32.h"
#include "engine/program_directory_win32.h"
#include "tools/bench/timing.h"

namespace {

constexpr double kTargetRatio = 1.10;

// popup-sim holding `count` hidden windows that ignore WM_CLOSE, one in ten with a
// browser title that is not on the remove list.
class PopupSim {
 public:
  explicit PopupSim(int count) {
    const std::string ready = hushwall::ProgramDirectory() + "\\scan-bench-ready.txt";
    DeleteFileA(ready.c_str());
    const int browsers = count / 10;
    std::string line = "\"";
    line += hushwall::ProgramDirectory();
    line += "\\popup-sim.exe\" --quiet --ready \"" + ready;
    line += "\" --window \"Offer %d - Opera\" --hidden --ignore-close --repeat ";
    line += std::to_string(browsers);
    line += " --window \"Document %d - Editor\" --hidden --ignore-close --repeat ";
    line += std::to_string(count - browsers);
    STARTUPINFOA startup{sizeof(startup)};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
      return;
    for (int waited = 0; waited < 60000 && GetFileAttributesA(ready.c_str()) == INVALID_FILE_ATTRIBUTES;
         waited += 20)
      Sleep(20);
    ready_ = GetFileAttributesA(ready.c_str()) != INVALID_FILE_ATTRIBUTES;
    DeleteFileA(ready.c_str());
  }
  ~PopupSim() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool Ready() const { return ready_; }

 private:
  PROCESS_INFORMATION process_{};
  bool ready_ = false;
};

// The bare platform pass: what any scan has to do to read every title.
struct BarePass {
  std::vector<char> buffer = std::vector<char>(256);
  std::size_t characters = 0;
  int windows = 0;

  static BOOL CALLBACK Visit(HWND window, LPARAM self_address) {
    auto* self = reinterpret_cast<BarePass*>(self_address);
    const int length = GetWindowTextLengthA(window);
    if (static_cast<std::size_t>(length) + 1 > self->buffer.size()) self->buffer.resize(length + 1);
    self->characters += GetWindowTextA(window, self->buffer.data(), static_cast<int>(self->buffer.size()));
    ++self->windows;
    return TRUE;
  }
  void Run() { EnumWindows(Visit, reinterpret_cast<LPARAM>(this)); }
};

class NoListener : public hushwall::BlockListener {
 public:
  void OnLoggedBlock() override {}
};

struct Figures {
  double tick_us;
  double bare_us;
  int windows;
};

// Tick and bare pass alternate, so both see the same machine state; medians of
// each series are compared.
Figures Measure(hushwall::BlockingEngine& engine, int iterations) {
  std::vector<double> ticks;
  std::vector<double> bares;
  BarePass bare;
  for (int i = 0; i < 20; ++i) {
    engine.Tick();
    bare.Run();
  }
  for (int i = 0; i < iterations; ++i) {
    double start = bench::Seconds();
    engine.Tick();
    ticks.push_back((bench::Seconds() - start) * 1e6);
    bare.windows = 0;
    start = bench::Seconds();
    bare.Run();
    bares.push_back((bench::Seconds() - start) * 1e6);
  }
  return {bench::Median(ticks), bench::Median(bares), bare.windows};
}

}  // namespace

int main(int argc, char** argv) {
  const int iterations = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
  hushwall::Win32Desktop desktop;
  hushwall::Win32AlertSound sound;
  hushwall::Win32LogClock clock;
  NoListener listener;

  std::printf("scan-bench: %d iterations per figure, medians\n", iterations);
  std::printf("%-34s %8s %12s %12s %10s %10s %8s\n", "configuration", "windows", "tick us",
              "bare us", "tick/win", "bare/win", "ratio");
  bool target_met = true;
  for (int count : {100, 500}) {
    PopupSim popups(count);
    if (!popups.Ready()) {
      std::fprintf(stderr, "popup-sim did not start with %d windows\n", count);
      return 1;
    }
    // (c) shows that the style rule's cost no longer grows with the list's length
    // times the number of browser windows; only the title comparisons remain.
    struct Configuration {
      const char* name;
      std::int16_t no_max_button;
      int remove_entries;
      bool targeted;
    } configurations[] = {{"(a) style flags off, 100 titles", 0, 100, true},
                          {"(b) start values, 100 titles", 1, 100, true},
                          {"(c) start values, 10,000 titles", 1, 10000, false}};
    for (const Configuration& configuration : configurations) {
      hushwall::BlockingState state;
      for (int entry = 0; entry < configuration.remove_entries; ++entry)
        state.RemoveList().Append("Listed ad " + std::to_string(entry) + " - Internet Explorer");
      state.Flags().NoMaxButton = configuration.no_max_button;
      hushwall::BlockingEngine engine(state, desktop, sound, clock, listener);
      Figures figures = Measure(engine, iterations);
      const double ratio = figures.tick_us / figures.bare_us;
      std::printf("%-34s %8d %12.1f %12.1f %10.2f %10.2f %8.3f\n", configuration.name, figures.windows,
                  figures.tick_us, figures.bare_us, figures.tick_us / figures.windows,
                  figures.bare_us / figures.windows, ratio);
      if (configuration.targeted && ratio > kTargetRatio) target_met = false;
      if (state.BlockedCount() != 0) std::printf("  unexpected: %lld windows blocked\n",
                                                 static_cast<long long>(state.BlockedCount()));
    }
  }
  std::printf("target (a) and (b) tick/bare <= %.2f: %s\n", kTargetRatio, target_met ? "met" : "NOT met");
  return 0;
}
