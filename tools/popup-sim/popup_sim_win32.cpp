// popup-sim: creates top-level windows in its own process and records the WM_CLOSE
// messages they receive. Used by tests, demos and benchmarks as the "browser", the
// hostile kinds included: huge titles, titles that never stop changing, windows that
// come and go by the hundred, and windows whose thread stops answering.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/window_win32.h"
#include "tools/popup-sim/popup_clock_win32.h"

namespace {

const char kUsage[] =
    "usage: popup-sim [options] --window TITLE [window options] [--window TITLE ...]\n"
    "\n"
    "Creates top-level windows in this process and records every WM_CLOSE they get.\n"
    "Ends when all its windows are destroyed, or at --exit-after.\n"
    "\n"
    "Window options (for the --window before them):\n"
    "  --style HEX         window style, hexadecimal (default CF0000: caption, frame,\n"
    "                      minimize and maximize boxes)\n"
    "  --hidden            create the window without showing it\n"
    "  --ignore-close      keep the window when it gets WM_CLOSE\n"
    "  --repeat N          create N such windows; %d in TITLE becomes 1..N\n"
    "  --title-length N    pad the title with '.' to N characters (it still starts\n"
    "                      with TITLE; under Wine other processes read a title of\n"
    "                      32,767 characters or more as empty)\n"
    "  --title-churn MS    give the window a new title (TITLE and a counter) every MS\n"
    "                      milliseconds, from another thread; 0: as fast as it goes\n"
    "  --churn-windows N   instead of one window, create and destroy N windows a\n"
    "                      second, each living about one timer tick; %d in TITLE\n"
    "                      becomes a running number\n"
    "  --hang-after MS     the window lives on a thread of its own, which stops\n"
    "                      answering for good after MS milliseconds\n"
    "\n"
    "Options:\n"
    "  --record FILE       append a line \"WM_CLOSE <handle> <title>\" per WM_CLOSE\n"
    "  --record-times FILE append a line \"<milliseconds> <handle>\" per WM_CLOSE;\n"
    "                      the clock is the performance counter, alike in all\n"
    "                      processes\n"
    "  --ready FILE        once every window exists, write one line \"<handle> <title>\"\n"
    "                      per window, in the order given (the file appears complete,\n"
    "                      all at once; churned windows are not in it)\n"
    "  --exit-after MS     end after MS milliseconds whatever is left\n"
    "  --quiet             do not print the WM_CLOSE lines to standard output\n"
    "\n"
    "Handles are hexadecimal. Example:\n"
    "  popup-sim --record closes.txt --window \"Ad - Internet Explorer\" --ignore-close\n"
    "            --window \"Offer - Opera\" --style 80C00000 --hidden\n";

constexpr DWORD kNoChurn = 0xFFFFFFFF;

struct WindowOptions {
  std::string title;
  DWORD style = 0x00CF0000;
  bool hidden = false;
  bool ignore_close = false;
  int repeat = 1;
  std::size_t title_length = 0;
  DWORD title_churn_ms = kNoChurn;
  int churn_per_second = 0;
  DWORD hang_after_ms = kNoChurn;
};

struct Options {
  std::vector<WindowOptions> windows;
  std::string record_file;
  std::string times_file;
  std::string ready_file;
  DWORD exit_after_ms = 0;
  bool quiet = false;
};

void AppendLine(const std::string& file, const std::string& line) {
  if (file.empty()) return;
  // Opened per line, so readers see whole lines as soon as they are written.
  if (std::FILE* stream = std::fopen(file.c_str(), "ab")) {
    std::fprintf(stream, "%s\r\n", line.c_str());
    std::fclose(stream);
  }
}

std::string HandleText(HWND window) {
  char text[24];
  std::snprintf(text, sizeof text, "%llx",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

// Windows on several threads record into the same files.
class Recorder {
 public:
  Recorder(const Options& options)
      : file_(options.record_file), times_file_(options.times_file), quiet_(options.quiet) {}
  void Close(HWND window, const std::string& title) const {
    const std::string line = "WM_CLOSE " + HandleText(window) + " " + title;
    const std::string stamp = std::to_string(popup_sim::ClockMilliseconds()) + " " + HandleText(window);
    std::lock_guard<std::mutex> lock(mutex_);
    if (!quiet_) {
      std::printf("%s\n", line.c_str());
      std::fflush(stdout);
    }
    AppendLine(file_, line);
    AppendLine(times_file_, stamp);
  }

 private:
  std::string file_;
  std::string times_file_;
  bool quiet_;
  mutable std::mutex mutex_;
};

class Popup : public hushwall::Window {
 public:
  // `open_windows` counts the windows of the creating thread; the thread's loop
  // ends when it reaches 0.
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
    recorder_.Close(Handle(), title_);
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

std::string PaddedTitle(std::string title, std::size_t length) {
  if (title.size() < length) title.resize(length, '.');
  return title;
}

// Renames a window from another thread. Each rename is a message sent to the
// window's thread, so the window keeps answering everything else in between; the
// timeout lets the thread end while the window's thread is busy elsewhere.
class TitleChurn {
 public:
  TitleChurn(HWND window, std::string title, DWORD period_ms)
      : thread_([this, window, title = std::move(title), period_ms] {
          for (unsigned long long round = 1; !stop_; ++round) {
            const std::string next = title + " " + std::to_string(round);
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(next.c_str()),
                                SMTO_NORMAL, 100, &ignored);
            if (period_ms) Sleep(period_ms);
          }
        }) {}
  ~TitleChurn() {
    stop_ = true;
    thread_.join();
  }
  TitleChurn(const TitleChurn&) = delete;
  TitleChurn& operator=(const TitleChurn&) = delete;

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Creates and destroys windows at a steady rate, on a thread of its own so the other
// windows keep answering however slowly the window system makes windows. The system
// timer ticks no faster than every 10 ms or so, so each tick makes as many windows as
// are due by then, and the windows of one tick live until the next. A window system
// too slow for the rate gets no backlog of more than a tenth of a second.
class WindowChurn {
 public:
  static constexpr UINT kTickMs = 10;

  WindowChurn(const WindowOptions& options, const Recorder& recorder, int& open_windows)
      : options_(options), recorder_(recorder) {
    ++open_windows;  // the churn keeps the program alive
    thread_ = std::thread([this] { Run(); });
  }
  ~WindowChurn() {
    stop_ = true;
    thread_.join();
  }
  WindowChurn(const WindowChurn&) = delete;
  WindowChurn& operator=(const WindowChurn&) = delete;

 private:
  void Run() {
    const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, nullptr);
    started_ = popup_sim::ClockMilliseconds();
    MSG message;
    while (!stop_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == timer)
        Tick();
      else
        DispatchMessageA(&message);
    }
    living_.clear();
  }
  void Tick() {
    living_.clear();
    const unsigned long long due = (popup_sim::ClockMilliseconds() - started_) *
                                   static_cast<unsigned long long>(options_.churn_per_second) / 1000;
    const unsigned long long backlog = std::max(1, options_.churn_per_second / 10);
    if (due > made_ + backlog) made_ = due - backlog;
    for (; made_ < due; ++made_) {
      living_.push_back(std::make_unique<Popup>(NumberedTitle(options_.title, ++number_), options_,
                                                recorder_, churned_open_));
    }
  }

  WindowOptions options_;
  const Recorder& recorder_;
  // Churned windows count apart, from 1: their coming and going must not end the
  // program.
  int churned_open_ = 1;
  unsigned long long started_ = 0;
  unsigned long long made_ = 0;
  int number_ = 0;
  std::atomic<bool> stop_{false};
  std::vector<std::unique_ptr<Popup>> living_;
  std::thread thread_;
};

struct ReadyWindow {
  HWND handle;
  std::string title;
};

// A window on a thread of its own, which answers messages until its time is up and
// then sleeps for good. The process ends without waiting for it.
ReadyWindow StartHangingWindow(const std::string& title, const WindowOptions& options,
                               const Recorder& recorder) {
  std::promise<HWND> created;
  std::future<HWND> handle = created.get_future();
  std::thread([created = std::move(created), title, options, &recorder]() mutable {
    int open_windows = 0;
    Popup popup(title, options, recorder, open_windows);
    created.set_value(popup.Handle());
    const UINT_PTR hang_timer = SetTimer(nullptr, 0, options.hang_after_ms ? options.hang_after_ms : 1, nullptr);
    MSG message;
    while (open_windows > 0 && GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == hang_timer)
        Sleep(INFINITE);
      DispatchMessageA(&message);
    }
  }).detach();
  return {handle.get(), title};
}

bool ParseWindowOption(const std::string& option, int argc, char** argv, int& index,
                       WindowOptions& current) {
  const bool has_value = index + 1 < argc;
  if (option == "--style" && has_value) {
    current.style = std::strtoul(argv[++index], nullptr, 16);
  } else if (option == "--hidden") {
    current.hidden = true;
  } else if (option == "--ignore-close") {
    current.ignore_close = true;
  } else if (option == "--repeat" && has_value) {
    current.repeat = std::atoi(argv[++index]);
  } else if (option == "--title-length" && has_value) {
    current.title_length = std::strtoul(argv[++index], nullptr, 10);
  } else if (option == "--title-churn" && has_value) {
    current.title_churn_ms = std::strtoul(argv[++index], nullptr, 10);
  } else if (option == "--churn-windows" && has_value) {
    current.churn_per_second = std::atoi(argv[++index]);
  } else if (option == "--hang-after" && has_value) {
    current.hang_after_ms = std::strtoul(argv[++index], nullptr, 10);
  } else {
    return false;
  }
  return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int index = 1; index < argc; ++index) {
    const std::string option = argv[index];
    const bool has_value = index + 1 < argc;
    if (option == "--window" && has_value) {
      options.windows.push_back({argv[++index]});
    } else if (!options.windows.empty() &&
               ParseWindowOption(option, argc, argv, index, options.windows.back())) {
    } else if (option == "--record" && has_value) {
      options.record_file = argv[++index];
    } else if (option == "--record-times" && has_value) {
      options.times_file = argv[++index];
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
void WriteReadyFile(const std::string& path, const std::vector<ReadyWindow>& windows) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return;
  for (const ReadyWindow& window : windows) {
    std::fprintf(file, "%s %s\r\n", HandleText(window.handle).c_str(), window.title.c_str());
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
  const Recorder recorder(options);
  int open_windows = 0;
  bool hanging_threads = false;
  std::vector<std::unique_ptr<Popup>> popups;
  std::vector<std::unique_ptr<WindowChurn>> churns;
  std::vector<std::unique_ptr<TitleChurn>> renamers;
  std::vector<ReadyWindow> ready;
  for (const WindowOptions& window : options.windows) {
    if (window.churn_per_second > 0) {
      churns.push_back(std::make_unique<WindowChurn>(window, recorder, open_windows));
      continue;
    }
    for (int number = 1; number <= window.repeat; ++number) {
      const std::string title = PaddedTitle(NumberedTitle(window.title, number), window.title_length);
      if (window.hang_after_ms != kNoChurn) {
        ready.push_back(StartHangingWindow(title, window, recorder));
        hanging_threads = true;
        continue;
      }
      popups.push_back(std::make_unique<Popup>(title, window, recorder, open_windows));
      ready.push_back({popups.back()->Handle(), title});
      if (window.title_churn_ms != kNoChurn)
        renamers.push_back(std::make_unique<TitleChurn>(popups.back()->Handle(), title,
                                                        window.title_churn_ms));
    }
  }
  if (!options.ready_file.empty()) WriteReadyFile(options.ready_file, ready);
  UINT_PTR exit_timer = options.exit_after_ms ? SetTimer(nullptr, 0, options.exit_after_ms, nullptr) : 0;

  MSG message;
  while ((open_windows > 0 || hanging_threads) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == exit_timer) break;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  renamers.clear();
  churns.clear();
  // A thread that sleeps for good cannot be joined; end without it.
  if (hanging_threads) TerminateProcess(GetCurrentProcess(), 0);
  return 0;
}
