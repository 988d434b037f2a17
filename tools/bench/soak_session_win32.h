#pragma once
// One soak scenario live: hushwall.exe started from a temporary program folder with
// the scenario's list files, and popup-sim beside it with the scenario's windows.
// Ending the session ends both programs and removes the folder.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/support/outside_win32.h"
#include "tools/bench/soak_scenarios.h"

namespace soak {

// Milliseconds on the clock of popup-sim's --record-times lines.
unsigned long long Now();

using ChildProcess = hushwall::outside::ChildProcess;

struct Memory {
  std::size_t working_set = 0;
  std::size_t private_bytes = 0;
};

// CPU time used so far, kernel and user, in milliseconds.
struct CpuTimes {
  double window_thread_ms = 0;  // the thread of the main window
  double process_ms = 0;
};

struct ReadyWindow {
  HWND handle;
  std::string handle_text;  // as popup-sim writes it
  std::string title;
};

class Session {
 public:
  // popup-sim ends by itself after `popup_lifetime_ms`, should the session not.
  Session(const Scenario& scenario, unsigned long popup_lifetime_ms);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Empty once both programs run and popup-sim's windows exist; otherwise what failed.
  const std::string& Failure() const { return failure_; }
  HWND MainWindow() const { return main_window_; }
  // In popup-sim's order; the first is the listed window.
  const std::vector<ReadyWindow>& Windows() const { return windows_; }

  // popup-sim's --record-times lines so far.
  std::string CloseTimes() const;
  // Waits until the listed window has got a close request stamped at or after `since`;
  // returns its stamp, or 0.
  unsigned long long WaitForListedClose(unsigned long long since, int timeout_ms) const;
  // How long the program takes to answer a message sent from outside, in
  // milliseconds; negative when it does not answer within the timeout.
  double AnswerMilliseconds(unsigned timeout_ms) const;
  Memory ProgramMemory() const;
  CpuTimes ProgramCpu() const;
  bool ProgramRunning() const { return program_ && program_->Running(); }
  // The program writes its list files only on the user's command.
  bool ListFilesUnchanged() const;

 private:
  bool StartProgram();
  bool StartPopups(const Scenario& scenario, unsigned long lifetime_ms);
  std::string File(const char* name) const { return folder_ + "\\" + name; }

  std::string folder_;
  ListFiles files_;
  std::unique_ptr<ChildProcess> program_;
  std::unique_ptr<ChildProcess> popups_;
  HWND main_window_ = nullptr;
  std::vector<ReadyWindow> windows_;
  std::string failure_;
};

}  // namespace soak
