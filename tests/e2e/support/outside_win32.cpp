#include "tests/e2e/support/outside_win32.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace hushwall::outside {
namespace {

struct WindowSearch {
  DWORD process;
  std::vector<WindowInfo> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (search->process != 0 && owner != search->process) return TRUE;
  WindowInfo info{window, {}, {}, IsWindowVisible(window) != FALSE, {}};
  char text[256] = {};
  GetClassNameA(window, text, sizeof(text));
  info.class_name = text;
  GetWindowTextA(window, text, sizeof(text));
  info.caption = text;
  GetWindowRect(window, &info.rect);
  search->found.push_back(info);
  return TRUE;
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ChildSearch*>(context);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

std::string HereDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string here = path;
  return here.substr(0, here.find_last_of('\\'));
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Appended piece by piece: GCC 12 warns wrongly about "\"" + text.
std::string Quoted(const std::string& text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

ChildProcess::ChildProcess(const std::string& command_line, const std::string& directory) {
  STARTUPINFOA startup{sizeof(startup)};
  std::string line = command_line;
  started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            directory.c_str(), &startup, &info_);
}

ChildProcess::~ChildProcess() {
  if (!started_) return;
  End();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool ChildProcess::Running() const {
  return started_ && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(int timeout_ms) const {
  return started_ && WaitForSingleObject(info_.hProcess, timeout_ms) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (started_) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ChildProcess::End() {
  if (!Running()) return;
  TerminateProcess(info_.hProcess, 1);
  WaitForSingleObject(info_.hProcess, 10000);
}

std::vector<WindowInfo> TopLevelWindowsOf(DWORD process) {
  WindowSearch search{process, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND MainWindowOf(DWORD process) {
  for (const WindowInfo& window : TopLevelWindowsOf(process))
    if (window.class_name == "HushWallMain") return window.handle;
  return nullptr;
}

HWND ChildWithId(HWND parent, int id) {
  ChildSearch search{id, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> ListBoxTexts(HWND list_box) {
  std::vector<std::string> texts;
  const LRESULT count = SendMessageW(list_box, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::vector<wchar_t> text(1024, L'\0');
    SendMessageW(list_box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    char ansi[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, text.data(), -1, ansi, sizeof(ansi), nullptr, nullptr);
    texts.push_back(ansi);
  }
  return texts;
}

}  // namespace hushwall::outside
