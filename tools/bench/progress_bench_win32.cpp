// Times one Value step of the progress bar that changes the whole percent, so the
// bar moves, the caption is rebuilt and the window is painted, against a plain
// FillRect of the same area on the same window: the floor of any repaint. Also one
// step inside the same percent. Each figure is the median of rounds measured in this
// run; the ratios are what to compare between hosts.
//
// Usage: progress-bench [rounds]   (see wine-bench.sh)
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "controls/host/control_host_win32.h"
#include "controls/progress/progress_window_win32.h"
#include "platform/gdi_win32.h"
#include "platform/window_win32.h"
#include "tools/bench/timing.h"

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 24;
constexpr int kSteps = 100;  // calls per round

using hushwall::Currency;

void DispatchWaiting() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// A child window whose whole paint is one FillRect, invalidated and painted the way
// the bar is.
class PlainWindow : public hushwall::Window {
 public:
  bool Create(HWND parent, int width, int height) {
    RegisterClassOnce("ProgressBenchPlain", 0, nullptr);
    return Window::Create("ProgressBenchPlain", "", WS_CHILD | WS_VISIBLE, 0, 10, height + 20,
                          width, height, parent, nullptr) != nullptr;
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_ERASEBKGND) return 1;
    return Window::HandleMessage(message, wparam, lparam);
  }
  void Paint(HDC dc) override {
    RECT area{};
    GetClientRect(Handle(), &area);
    FillRect(dc, &area, brush_.Get());
  }

 private:
  hushwall::Brush brush_{CreateSolidBrush(RGB(30, 60, 160))};
};

struct Figures {
  double percent_step;
  double inner_step;
};

// Steps of a whole percent (Max 100000, one percent is 1000) and steps of one unit,
// each followed by the paint it asked for.
Figures TimeSteps(hushwall::MProgressWindow& bar, int rounds) {
  hushwall::MProgress& core = bar.Core();
  HWND window = bar.Handle();
  int percent = 0;
  const double percent_step = bench::MedianMicroseconds(rounds, kSteps, [&] {
    percent = percent % 99 + 1;
    core.SetValue(Currency::FromUnits(percent * 1000));
    UpdateWindow(window);
  });
  core.SetValue(Currency::FromUnits(50000));
  UpdateWindow(window);
  int unit = 0;
  const double inner_step = bench::MedianMicroseconds(rounds, kSteps, [&] {
    unit = unit % 900 + 1;
    core.SetValue(Currency::FromUnits(50000 + unit));
    UpdateWindow(window);
  });
  return {percent_step, inner_step};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 25;
  hushwall::RegisterWindowClassOnce("ProgressBenchHost", DefWindowProcA, 0,
                                    reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  HWND host_window = CreateWindowExA(0, "ProgressBenchHost", "progress-bench",
                                     WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, kWidth + 40,
                                     kHeight + 80, nullptr, nullptr, GetModuleHandleA(nullptr),
                                     nullptr);
  hushwall::ControlHostWin32 host(host_window);
  hushwall::MProgressWindow bar(host, "prgBench");
  if (!bar.Create(10, 10, kWidth, kHeight)) {
    std::fprintf(stderr, "cannot create the progress bar\n");
    return 1;
  }
  bar.Core().SetMax(Currency::FromUnits(100000));
  DispatchWaiting();

  hushwall::WindowDc dc(bar.Handle());
  const RECT area{0, 0, kWidth, kHeight};
  hushwall::Brush brush(CreateSolidBrush(RGB(30, 60, 160)));
  const double fill = bench::MedianMicroseconds(rounds, kSteps, [&] {
    FillRect(dc.Get(), &area, brush.Get());
    GdiFlush();
  });

  // The floor of any repaint: a window of the same size whose paint is that FillRect.
  PlainWindow plain;
  plain.Create(host_window, kWidth, kHeight);
  DispatchWaiting();
  const double plain_paint = bench::MedianMicroseconds(rounds, kSteps, [&] {
    InvalidateRect(plain.Handle(), nullptr, FALSE);
    UpdateWindow(plain.Handle());
  });

  std::printf("progress bar %d x %d, medians of %d rounds of %d calls\n", kWidth, kHeight, rounds,
              kSteps);
  std::printf("FillRect of the same area on the window's DC:   %8.1f us\n", fill);
  std::printf("the same FillRect as a window's paint (floor):  %8.1f us\n", plain_paint);
  const struct {
    const char* name;
    int fade;
  } looks[] = {{"Fade 2 (the default, vertical fades)", 2}, {"Fade 0 (plain colours)", 0}};
  for (const auto& look : looks) {
    bar.Core().SetFade(look.fade);
    DispatchWaiting();
    const Figures figures = TimeSteps(bar, rounds);
    std::printf("%s\n", look.name);
    std::printf("  Value step to a new percent, painted:         %8.1f us  (%.2f x floor)\n",
                figures.percent_step, figures.percent_step / plain_paint);
    std::printf("  Value step inside the percent, painted:       %8.1f us  (%.2f x floor)\n",
                figures.inner_step, figures.inner_step / plain_paint);
  }
  // Where a new percent's time goes: the caption's text work on one surface, and the
  // window text that follows it.
  hushwall::GdiProgressSurface surface;
  surface.SetFont(bar.Core().Font());
  surface.Place({0, 0, kWidth, kHeight});
  surface.SetTextColour(RGB(0, 0, 0));
  const double text = bench::MedianMicroseconds(rounds, kSteps, [&] {
    const hushwall::TextExtent extent = surface.MeasureText(" 50 %");
    surface.PrintText(" 50 %", float(kWidth - extent.width) / 2, 4);
  });
  int toggle = 0;
  const double window_text = bench::MedianMicroseconds(rounds, kSteps, [&] {
    SetWindowTextA(bar.Handle(), ++toggle % 2 ? " 50 %" : " 51 %");
  });
  bar.Core().SetFade(2);
  int step = 0;
  const double unpainted = bench::MedianMicroseconds(rounds, kSteps, [&] {
    step = step % 99 + 1;
    bar.Core().SetValue(Currency::FromUnits(step * 1000));
  });
  DispatchWaiting();
  const double repaint = bench::MedianMicroseconds(rounds, kSteps, [&] {
    InvalidateRect(bar.Handle(), nullptr, FALSE);
    UpdateWindow(bar.Handle());
  });
  std::printf("of which, per call:\n");
  std::printf("  Value step to a new percent, not yet painted: %8.1f us\n", unpainted);
  std::printf("  the paint alone (InvalidateRect, UpdateWindow): %6.1f us\n", repaint);
  std::printf("  measure and print the caption on a surface:   %8.1f us\n", text);
  std::printf("  SetWindowTextA on the bar:                    %8.1f us\n", window_text);
  DestroyWindow(host_window);
  return 0;
}
