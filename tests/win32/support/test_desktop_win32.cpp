#include "test_desktop_win32.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "engine/program_directory_win32.h"

namespace hushwall::test {
namespace {

HDESK OwnDesktop() {
  static HDESK desktop =
      CreateDesktopA(OwnDesktopName(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  return desktop;
}

}  // namespace

const char* OwnDesktopName() {
  static const std::string name = "hushwall-test-" + std::to_string(GetCurrentProcessId());
  return name.c_str();
}

bool UseOwnDesktop() {
  HDESK desktop = OwnDesktop();
  return desktop && SetThreadDesktop(desktop);
}

ChildProcess::ChildProcess(const std::string& program, const std::string& arguments) {
  std::string line = "\"";
  line += ProgramDirectory();
  line += "\\";
  line += program;
  line += "\" ";
  line += arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.lpDesktop = const_cast<char*>(OwnDesktopName());
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    process_ = {};
  }
}

ChildProcess::~ChildProcess() {
  if (!Started()) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

TempFolder::TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static int counter = 0;
  path_ = std::string(base) + "hushwall-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string file = File(name);
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileA(file.c_str())) RemoveDirectoryA(file.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path_.c_str());
}

MessageBoxWatcher::MessageBoxWatcher(std::string title, int answer)
    : title_(std::move(title)), answer_(answer), thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<MessageBoxWatcher::Box> MessageBoxWatcher::Boxes() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return boxes_;
}

void MessageBoxWatcher::Watch() {
  UseOwnDesktop();
  while (!stop_) {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, "#32770", title_.c_str())) != nullptr) {
      if (IsWindowVisible(box)) Answer(box);
    }
    Sleep(10);
  }
}

void MessageBoxWatcher::Answer(HWND box) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::erase_if(answered_, [](HWND done) { return !IsWindow(done); });
  if (std::find(answered_.begin(), answered_.end(), box) != answered_.end()) return;  // closing
  answered_.push_back(box);
  Box seen;
  char text[1024] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message's static control
  seen.text = text;
  for (HWND child = FindWindowExA(box, nullptr, "Button", nullptr); child;
       child = FindWindowExA(box, child, "Button", nullptr)) {
    GetWindowTextA(child, text, sizeof text);
    seen.buttons.push_back(text);
  }
  boxes_.push_back(seen);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer_, BN_CLICKED), 0);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file << bytes;
  return bool(file);
}

}  // namespace hushwall::test
