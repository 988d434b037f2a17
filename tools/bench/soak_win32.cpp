// soak: runs the real hushwall.exe against hostile windows of another process, one
// scenario after another, and prints how steadily it keeps closing the listed
// window, how quickly it answers, and its memory. See README.md here.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/bench/soak_figures.h"
#include "tools/bench/soak_scenarios.h"
#include "tools/bench/soak_session_win32.h"

namespace {

constexpr unsigned kSamplePeriodMs = 100;
constexpr unsigned kAnswerTimeoutMs = 10000;

struct MemoryFigures {
  soak::Memory start, peak, end;
  void Add(const soak::Memory& sample) {
    if (start.working_set == 0) start = sample;
    peak.working_set = std::max(peak.working_set, sample.working_set);
    peak.private_bytes = std::max(peak.private_bytes, sample.private_bytes);
    end = sample;
  }
};

struct Result {
  std::string name;
  std::string failure;
  soak::CloseFigures closes;
  double slowest_answer_ms = 0;
  double answer_p99_ms = 0;  // one disturbed sample on a shared host moves only the slowest
  int unanswered = 0;
  MemoryFigures memory;
  double window_thread_share = 0;  // of one core over the period, in percent
  double process_share = 0;
  bool files_unchanged = false;
  bool running = false;
};

Result Run(const soak::Scenario& scenario, unsigned seconds) {
  Result result{scenario.name};
  soak::Session session(scenario, (seconds + 120) * 1000);
  if (!session.Failure().empty()) {
    result.failure = session.Failure();
    return result;
  }
  // The period starts a second after the first close, so the program's start does not
  // count, nor the closes posted while popup-sim was still making its windows: those
  // arrive in one burst with the first.
  const unsigned long long first = session.WaitForListedClose(0, 30000);
  const unsigned long long start = first == 0 ? 0 : session.WaitForListedClose(first + 1000, 30000);
  if (start == 0) {
    result.failure = "the listed window was never closed";
    return result;
  }
  const unsigned long long end = start + seconds * 1000ULL;
  std::vector<double> answers;
  const soak::CpuTimes cpu_start = session.ProgramCpu();
  const unsigned long long cpu_start_at = soak::Now();
  while (soak::Now() < end && session.ProgramRunning()) {
    const double answer = session.AnswerMilliseconds(kAnswerTimeoutMs);
    if (answer < 0) ++result.unanswered;
    answers.push_back(answer < 0 ? kAnswerTimeoutMs : answer);
    result.memory.Add(session.ProgramMemory());
    Sleep(kSamplePeriodMs);
  }
  std::sort(answers.begin(), answers.end());
  if (!answers.empty()) {
    result.slowest_answer_ms = answers.back();
    result.answer_p99_ms = answers[answers.size() * 99 / 100];
  }
  const soak::CpuTimes cpu_end = session.ProgramCpu();
  const double elapsed = static_cast<double>(soak::Now() - cpu_start_at);
  if (elapsed > 0) {
    result.window_thread_share = 100.0 * (cpu_end.window_thread_ms - cpu_start.window_thread_ms) / elapsed;
    result.process_share = 100.0 * (cpu_end.process_ms - cpu_start.process_ms) / elapsed;
  }
  result.closes = soak::FiguresFor(session.CloseTimes(), session.Windows().front().handle_text, start,
                                   std::min(end, soak::Now()));
  result.running = session.ProgramRunning();
  result.files_unchanged = session.ListFilesUnchanged();
  return result;
}

double Megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

void PrintTable(const std::vector<Result>& results, unsigned seconds) {
  std::printf("\n%u s per scenario; memory in MB as start/peak/end\n", seconds);
  std::printf("%-13s %9s %8s %9s %7s %7s %7s %20s %20s %6s %7s\n", "scenario", "closes/s", "gap ms",
              "answer ms", "p99 ms", "ui cpu%", "cpu%", "working set", "private bytes", "lists", "running");
  for (const Result& result : results) {
    if (!result.failure.empty()) {
      std::printf("%-13s failed: %s\n", result.name.c_str(), result.failure.c_str());
      continue;
    }
    char working_set[32], private_bytes[32];
    std::snprintf(working_set, sizeof working_set, "%.1f/%.1f/%.1f", Megabytes(result.memory.start.working_set),
                  Megabytes(result.memory.peak.working_set), Megabytes(result.memory.end.working_set));
    std::snprintf(private_bytes, sizeof private_bytes, "%.1f/%.1f/%.1f",
                  Megabytes(result.memory.start.private_bytes), Megabytes(result.memory.peak.private_bytes),
                  Megabytes(result.memory.end.private_bytes));
    std::printf("%-13s %9.2f %8llu %9.1f %7.1f %7.1f %7.1f %20s %20s %6s %7s\n", result.name.c_str(),
                result.closes.per_second, result.closes.longest_gap_ms, result.slowest_answer_ms, result.answer_p99_ms,
                result.window_thread_share, result.process_share, working_set, private_bytes,
                result.files_unchanged ? "same" : "CHANGED", result.running ? "yes" : "NO");
    if (result.unanswered) std::printf("%-13s %d messages unanswered within %u ms\n", "", result.unanswered,
                                       kAnswerTimeoutMs);
  }
  std::printf("\ncloses/s and gap: close requests to the listed window (5 a second is every scan);\n"
              "answer: slowest WM_NULL round trip, sampled every %u ms, and its 99th percentile; ui cpu%%: the main window's\n"
              "thread's share of one core over the period, cpu%%: the whole program's; lists:\n"
              "RemList.dat and Blocked.log byte for byte as prepared.\n",
              kSamplePeriodMs);
}

}  // namespace

int main(int argc, char** argv) {
  unsigned seconds = 60;
  std::vector<const soak::Scenario*> chosen;
  for (int index = 1; index < argc; ++index) {
    const std::string argument = argv[index];
    if (index == 1 && std::atoi(argv[index]) > 0) {
      seconds = static_cast<unsigned>(std::atoi(argv[index]));
    } else if (const soak::Scenario* scenario = soak::FindScenario(argument)) {
      chosen.push_back(scenario);
    } else {
      std::fprintf(stderr, "usage: soak [seconds per scenario] [scenario...]\nscenarios:\n");
      for (const soak::Scenario& scenario : soak::Scenarios())
        std::fprintf(stderr, "  %-13s %s\n", scenario.name, scenario.what);
      return 2;
    }
  }
  if (chosen.empty())
    for (const soak::Scenario& scenario : soak::Scenarios()) chosen.push_back(&scenario);

  std::vector<Result> results;
  for (const soak::Scenario* scenario : chosen) {
    std::printf("%-13s %s ...\n", scenario->name, scenario->what);
    std::fflush(stdout);
    results.push_back(Run(*scenario, seconds));
  }
  PrintTable(results, seconds);
  return 0;
}
