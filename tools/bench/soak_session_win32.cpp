#include "tools/bench/soak_session_win32.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>

#include "tests/e2e/support/outside_win32.h"
#include "tools/popup-sim/popup_clock_win32.h"

namespace soak {
namespace {

using namespace hushwall::outside;

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

std::vector<ReadyWindow> ReadReadyFile(const std::string& path) {
  std::vector<ReadyWindow> windows;
  std::istringstream lines(ReadFile(path));
  std::string handle, title;
  while (lines >> handle && std::getline(lines, title)) {
    if (!title.empty() && title.front() == ' ') title.erase(0, 1);
    if (!title.empty() && title.back() == '\r') title.pop_back();
    windows.push_back({reinterpret_cast<HWND>(std::stoull(handle, nullptr, 16)), handle, title});
  }
  return windows;
}

double Milliseconds(const FILETIME& kernel, const FILETIME& user) {
  auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

double ThreadMilliseconds(DWORD thread_id) {
  HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, thread_id);
  if (!thread) return 0;
  FILETIME created, exited, kernel, user;
  const double used = GetThreadTimes(thread, &created, &exited, &kernel, &user) ? Milliseconds(kernel, user) : 0;
  CloseHandle(thread);
  return used;
}

}  // namespace

unsigned long long Now() { return popup_sim::ClockMilliseconds(); }

Session::Session(const Scenario& scenario, unsigned long popup_lifetime_ms) : files_(scenario.files()) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  folder_ = std::string(temp) + "hushwall-soak-" + std::to_string(GetCurrentProcessId()) + "-" +
            scenario.name;
  CreateDirectoryA(folder_.c_str(), nullptr);
  if (StartProgram()) StartPopups(scenario, popup_lifetime_ms);
}

Session::~Session() {
  if (main_window_) {
    // The program refuses WM_CLOSE; the session's end lets it take its icon away.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main_window_, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  }
  program_.reset();
  popups_.reset();
  RemoveFolder(folder_);
}

bool Session::StartProgram() {
  if (!CopyFileA((HereDirectory() + "\\hushwall.exe").c_str(), File("hushwall.exe").c_str(), FALSE)) {
    failure_ = "hushwall.exe could not be copied to " + folder_;
    return false;
  }
  WriteFile(File("RemList.dat"), files_.remove_list);
  if (files_.has_blocked_log) WriteFile(File("Blocked.log"), files_.blocked_log);
  program_ = std::make_unique<ChildProcess>(Quoted(File("hushwall.exe")), folder_);
  if (!program_->Started()) {
    failure_ = "hushwall.exe did not start";
    return false;
  }
  // The splash stands for two seconds first; the 20 MB files take their time too.
  const DWORD process = program_->Id();
  if (!WaitFor([&] { return (main_window_ = MainWindowOf(process)) != nullptr; }, 90000)) {
    failure_ = "hushwall.exe showed no main window";
    return false;
  }
  return true;
}

bool Session::StartPopups(const Scenario& scenario, unsigned long lifetime_ms) {
  const std::string ready = File("ready.txt");
  popups_ = std::make_unique<ChildProcess>(
      Quoted(HereDirectory() + "\\popup-sim.exe") + " --quiet --exit-after " + std::to_string(lifetime_ms) +
          " --record-times " + Quoted(File("closes.txt")) + " --ready " + Quoted(ready) + " " +
          scenario.popup_windows,
      folder_);
  // Thousands of windows take a while to make on a loaded host.
  if (!popups_->Started() || !WaitFor([&] { return FileExists(ready); }, 180000)) {
    failure_ = "popup-sim.exe did not show its windows";
    return false;
  }
  windows_ = ReadReadyFile(ready);
  if (windows_.empty()) failure_ = "popup-sim.exe reported no windows";
  return windows_.size() > 0;
}

std::string Session::CloseTimes() const { return ReadFile(File("closes.txt")); }

unsigned long long Session::WaitForListedClose(unsigned long long since, int timeout_ms) const {
  if (windows_.empty()) return 0;
  unsigned long long stamp = 0;
  WaitFor([&] {
    std::istringstream lines(CloseTimes());
    std::string line;
    while (std::getline(lines, line)) {
      std::istringstream fields(line);
      unsigned long long at = 0;
      std::string handle;
      if (fields >> at >> handle && handle == windows_.front().handle_text && at >= since) {
        stamp = at;
        return true;
      }
    }
    return false;
  }, timeout_ms);
  return stamp;
}

double Session::AnswerMilliseconds(unsigned timeout_ms) const {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  DWORD_PTR ignored = 0;
  const bool answered =
      SendMessageTimeoutA(main_window_, WM_NULL, 0, 0, SMTO_NORMAL, timeout_ms, &ignored) != 0;
  QueryPerformanceCounter(&end);
  if (!answered) return -1;
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

Memory Session::ProgramMemory() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!program_ || !GetProcessMemoryInfo(program_->Handle(), &counters, sizeof counters))
    return {};
  // The commit charge is the private bytes; Wine leaves PrivateUsage at 0.
  return {counters.WorkingSetSize, counters.PagefileUsage};
}

// Wine's GetProcessTimes leaves out the running threads of another process, so the
// program's figure is the sum over its threads.
CpuTimes Session::ProgramCpu() const {
  CpuTimes times;
  if (!program_) return times;
  times.window_thread_ms = ThreadMilliseconds(GetWindowThreadProcessId(main_window_, nullptr));
  HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (threads == INVALID_HANDLE_VALUE) return times;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(threads, &entry); more; more = Thread32Next(threads, &entry))
    if (entry.th32OwnerProcessID == program_->Id()) times.process_ms += ThreadMilliseconds(entry.th32ThreadID);
  CloseHandle(threads);
  return times;
}

bool Session::ListFilesUnchanged() const {
  const bool log_as_it_was = files_.has_blocked_log ? ReadFile(File("Blocked.log")) == files_.blocked_log
                                                    : !FileExists(File("Blocked.log"));
  return log_as_it_was && ReadFile(File("RemList.dat")) == files_.remove_list;
}

}  // namespace soak
