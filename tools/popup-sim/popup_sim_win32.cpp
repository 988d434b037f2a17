// popup-sim: creates top-level windows in its own process and records the WM_CLOSE
// messages they receive. Used by tests, demos and benchmarks as the "browser".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_win32.h"

namespace {

const char kUsage[] =
    "usage: popup-sim [options] --window TITLE [window options] [--window TITLE ...]\n"
    "\n"
    "Creates top-level windows in this process and records every WM_CLOSE they get.\n"
    "Ends when all its windows are destroyed, or at --exit-after.\n"
    "\n"
    "Window options (for the --window before them):\n"
    "  --style HEX       window style, hexadecimal (default CF0000: caption, frame,\n"
    "                    minimize and maximize boxes)\n"
    "  --hidden          create the window without showing it\n"
    "  --ignore-close    keep the window when it gets WM_CLOSE\n"
    "  --repeat N        create N such windows; %d in TITLE becomes 1..N\n"
    "\n"
    "Options:\n"
    "  --record FILE     append a line \"WM_CLOSE <handle> <title>\" per WM_CLOSE\n"
    "  --ready FILE      once every window exists, write one line \"<handle> <title>\"\n"
    "                    per window (the file appears complete, all at once)\n"
    "  --exit-after MS   end after MS milliseconds whatever is left\n"
    "  --quiet           do not print the WM_CLOSE lines to standard output\n"
    "\n"
    "Handles are hexadecimal. Example:\n"
    "  popup-sim --record closes.txt --window \"Ad - Internet Explorer\" --ignore-close\n"
    "            --window \"Offer - Opera\" --style 80C00000 --hidden\n";

struct WindowOptions {
  std::string title;
  DWORD style = 0x00CF0000;
  bool hidden = false;
  bool ignore_close = false;
  int repeat = 1;
};

struct Options {
  std::vector<WindowOptions> windows;
  std::string record_file;
  std::string ready_file;
  DWORD exit_after_ms = 0;
  bool quiet = false;
};

class Recorder {
 public:
  Recorder(std::string file, bool quiet) : file_(std::move(file)), quiet_(quiet) {}
  void Line(const std::string& line) const {
    if (!quiet_) {
      std::printf("%s\n", line.c_str());
      std::fflush(stdout);
    }
    if (file_.empty()) return;
    // Opened per line, so readers see whole lines as soon as they are written.
    if (std::FILE* file = std::fopen(file_.c_str(), "ab")) {
      std::fprintf(file, "%s\r\n", line.c_str());
      std::fclose(file);
    }
  }

 private:
  std::string file_;
  bool quiet_;
};

std::string HandleText(HWND window) {
  char text[24];
  std::snprintf(text, sizeof text, "%llx",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

class Popup : public hushwall::Window {
 public:
  Popup(const std::string& title, const WindowOptions& options, const Recorder& recorder,
        int& open_windows)
      : title_(title),
        ignore_close_(options.ignore_close),
        recorder_(recorder),
        open_windows_(open_windows) {
    RegisterClassOnce("HushWallPopupSim");
    const int offset = 20 * (open_windows_ % 16);
    Create("HushWallPopupSim", title.c_str(), options.style, 0, 40 + offset, 40 + offset, 320, 200,
           nullptr, nullptr);
    if (Handle()) {
      ++open_windows_;
      if (!options.hidden) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }
  }
  const std::string& Title() const { return title_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_CLOSE:
        return OnClose();
      case WM_DESTROY:
        return OnDestroy();
      default:
        return Window::HandleMessage(message, wparam, lparam);
    }
  }

 private:
  LRESULT OnClose() {
    recorder_.Line("WM_CLOSE " + HandleText(Handle()) + " " + title_);
    if (!ignore_close_) DestroyWindow(Handle());
    return 0;
  }
  LRESULT OnDestroy() {
    if (--open_windows_ == 0) PostQuitMessage(0);
    return 0;
  }

  std::string title_;
  bool ignore_close_;
  const Recorder& recorder_;
  int& open_windows_;
};

std::string NumberedTitle(const std::string& title, int number) {
  const std::size_t mark = title.find("%d");
  if (mark == std::string::npos) return title;
  return title.substr(0, mark) + std::to_string(number) + title.substr(mark + 2);
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int index = 1; index < argc; ++index) {
    const std::string option = argv[index];
    const bool has_value = index + 1 < argc;
    WindowOptions* current = options.windows.empty() ? nullptr : &options.windows.back();
    if (option == "--window" && has_value) {
      options.windows.push_back({argv[++index]});
    } else if (option == "--style" && has_value && current) {
      current->style = std::strtoul(argv[++index], nullptr, 16);
    } else if (option == "--hidden" && current) {
      current->hidden = true;
    } else if (option == "--ignore-close" && current) {
      current->ignore_close = true;
    } else if (option == "--repeat" && has_value && current) {
      current->repeat = std::atoi(argv[++index]);
    } else if (option == "--record" && has_value) {
      options.record_file = argv[++index];
    } else if (option == "--ready" && has_value) {
      options.ready_file = argv[++index];
    } else if (option == "--exit-after" && has_value) {
      options.exit_after_ms = std::strtoul(argv[++index], nullptr, 10);
    } else if (option == "--quiet") {
      options.quiet = true;
    } else {
      std::fprintf(stderr, "popup-sim: unexpected argument '%s'\n\n", option.c_str());
      return false;
    }
  }
  return !options.windows.empty();
}

// Written beside the target and renamed, so a reader never sees half of it.
void WriteReadyFile(const std::string& path, const std::vector<std::unique_ptr<Popup>>& popups) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return;
  for (const auto& popup : popups) {
    std::fprintf(file, "%s %s\r\n", HandleText(popup->Handle()).c_str(), popup->Title().c_str());
  }
  std::fclose(file);
  MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const Recorder recorder(options.record_file, options.quiet);
  int open_windows = 0;
  std::vector<std::unique_ptr<Popup>> popups;
  for (const WindowOptions& window : options.windows) {
    for (int number = 1; number <= window.repeat; ++number) {
      popups.push_back(std::make_unique<Popup>(NumberedTitle(window.title, number), window,
                                               recorder, open_windows));
    }
  }
  if (!options.ready_file.empty()) WriteReadyFile(options.ready_file, popups);
  if (options.exit_after_ms) SetTimer(nullptr, 0, options.exit_after_ms, nullptr);

  MSG message;
  while (open_windows > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr) break;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
