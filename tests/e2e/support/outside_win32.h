#pragma once
// Driving a program from another process, as the end-to-end tests and the soak
// runner do: starting it, waiting with deadlines, finding its windows and reading
// its list boxes and files.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace hushwall::outside {

// Polls `done` every 20 ms; false when `timeout_ms` passed first.
bool WaitFor(const std::function<bool()>& done, int timeout_ms);

// The folder of the running program (where the programs it starts lie).
std::string HereDirectory();
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The text in double quotes, for a command line.
std::string Quoted(const std::string& text);

// A started program; it is ended, if still running, when this goes.
class ChildProcess {
 public:
  ChildProcess(const std::string& command_line, const std::string& directory);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return started_; }
  bool Running() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  bool WaitForExit(int timeout_ms) const;
  DWORD ExitCode() const;
  // Terminates it if it still runs.
  void End();

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

struct WindowInfo {
  HWND handle;
  std::string class_name;
  std::string caption;
  bool visible;
  RECT rect;
};

// Every top-level window, or those of one process (0: every process).
std::vector<WindowInfo> TopLevelWindowsOf(DWORD process);
// The program's main window (class "HushWallMain"), or nullptr.
HWND MainWindowOf(DWORD process);
// The first descendant with that control id, or nullptr.
HWND ChildWithId(HWND parent, int id);
// Under Wine an ANSI LB_GETTEXT across processes comes back as UTF-16, so the texts
// are asked for in UTF-16 from the start.
std::vector<std::string> ListBoxTexts(HWND list_box);

}  // namespace hushwall::outside
