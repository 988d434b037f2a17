#include "tools/gallery/progress_gallery_win32.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace hushwall {
namespace {

constexpr int kLabelWidth = 250;
constexpr int kGap = 10;
constexpr int kWide = 150;
constexpr int kNarrow = 100;
constexpr int kThin = 22;
constexpr int kClientWidth = 990;
constexpr UINT_PTR kLiveTimer = 1;

constexpr Colour kSky1 = RGB(220, 236, 255);
constexpr Colour kSky2 = RGB(120, 170, 230);
constexpr Colour kSun1 = RGB(255, 220, 120);
constexpr Colour kSun2 = RGB(210, 80, 20);

Currency Units(std::int64_t units) { return Currency::FromUnits(units); }

// One gallery bar: its size, its share filled, and what is set on it.
struct Sample {
  int width = kWide;
  int height = kThin;
  int percent = 60;
  void (*configure)(MProgress&, int index) = nullptr;
  int index = 0;
};

struct Row {
  const char* label;
  std::vector<Sample> samples;
};

void Warm(MProgress& p) {
  p.SetFadeBG1(kSky1);
  p.SetFadeBG2(kSky2);
  p.SetFadeFG1(kSun1);
  p.SetFadeFG2(kSun2);
}
void Direction(MProgress& p, int d) {
  Warm(p);
  p.SetFade(1 + d % 2);  // a fade along the bar
  p.SetDirection(d);
}
void Fade(MProgress& p, int f) {
  Warm(p);
  p.SetFade(f);
}
void FadeStyle(MProgress& p, int s) {
  Warm(p);
  p.SetFade(1);
  p.SetFadeStyle(s);
}
void Blend(MProgress& p, int b) {
  Warm(p);
  p.SetFade(1);
  p.SetBlend(b);
}
void Alignment(MProgress& p, int a) {
  p.SetFade(0);
  p.SetAlignment(a);
}
void Custom(MProgress& p, int) {
  p.SetShowCustomCaption(true);
}
void Framed(MProgress& p, int) {
  p.SetCaption("Copied");
  p.SetCaption2("% of 12 files");
}
void Fixed(MProgress& p, int) {
  p.SetDisablePercent(true);
  p.SetCaption("Waiting...");
}
void Live(MProgress& p, int) {
  Warm(p);
  p.SetFade(1);
  p.SetShowCustomCaption(true);
}
void Border(MProgress& p, int b) {
  p.SetFade(0);
  p.SetAlignment(5);
  p.SetBorderStyle(b);
}

std::vector<Row> GalleryRows() {
  return {
      {"Direction 0, 2 (across), 1, 3 (up, down)",
       {{kWide, kThin, 60, Direction, 0}, {kWide, kThin, 60, Direction, 2},
        {kThin, 80, 60, Direction, 1}, {kThin, 80, 60, Direction, 3}}},
      {"Fade 0, 1 (across), 2 (down)",
       {{kWide, kThin, 60, Fade, 0}, {kWide, kThin, 60, Fade, 1}, {kWide, kThin, 60, Fade, 2}}},
      {"FadeStyle 0 and 1, at 30 and 80 %",
       {{kWide, kThin, 30, FadeStyle, 0}, {kWide, kThin, 30, FadeStyle, 1},
        {kWide, kThin, 80, FadeStyle, 0}, {kWide, kThin, 80, FadeStyle, 1}}},
      {"Blend 0 to 3",
       {{kWide, kThin, 70, Blend, 0}, {kWide, kThin, 70, Blend, 1}, {kWide, kThin, 70, Blend, 2},
        {kWide, kThin, 70, Blend, 3}}},
      {"Blend 4 to 7",
       {{kWide, kThin, 70, Blend, 4}, {kWide, kThin, 70, Blend, 5}, {kWide, kThin, 70, Blend, 6},
        {kWide, kThin, 70, Blend, 7}}},
      {"Alignment 0 to 3, at 45 %",
       {{kWide, kThin, 45, Alignment, 0}, {kWide, kThin, 45, Alignment, 1},
        {kWide, kThin, 45, Alignment, 2}, {kWide, kThin, 45, Alignment, 3}}},
      {"Alignment 4 to 6, at 45 %",
       {{kWide, kThin, 45, Alignment, 4}, {kWide, kThin, 45, Alignment, 5},
        {kWide, kThin, 45, Alignment, 6}}},
      {"Custom caption at Max, one below",
       {{kWide, kThin, 100, Custom}, {kWide, kThin, 99, Custom}}},
      {"Caption and Caption2; DisablePercent",
       {{200, kThin, 40, Framed}, {kWide, kThin, 40, Fixed}}},
      {"BorderStyle 0, 2 (caption inset), 3, 6",
       {{kNarrow, kThin, 50, Border, 0}, {kNarrow, kThin, 50, Border, 2},
        {kNarrow, kThin, 50, Border, 3}, {kNarrow, kThin, 50, Border, 6}}},
  };
}

int RowHeight(const Row& row) {
  int height = 0;
  for (const Sample& sample : row.samples) height = std::max(height, sample.height);
  return height;
}

int ClientHeight() {
  int height = kGap;
  for (const Row& row : GalleryRows()) height += RowHeight(row) + kGap;
  return height + kThin + kGap;  // the live bar
}

HWND MakeLabel(HWND parent, const char* text, int top, int height) {
  HWND label = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, kGap, top,
                               kLabelWidth - kGap, height, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return label;
}

}  // namespace

bool ProgressGalleryWindow::Create() {
  RegisterClassOnce("HushWallProgressGallery");
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, ClientHeight()};
  AdjustWindowRect(&frame, style, FALSE);
  if (!Window::Create("HushWallProgressGallery", "MProgress gallery", style, 0, 10, 10,
                      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr)) {
    return false;
  }
  host_.Attach(Handle());
  PlaceRows();
  return true;
}

void ProgressGalleryWindow::PlaceRows() {
  int top = kGap;
  int id = 100;
  const auto add = [&](int left, int row_top, const Sample& sample) {
    auto bar = std::make_unique<MProgressWindow>(host_, "prgSample" + std::to_string(id));
    bar->Create(left, row_top, sample.width, sample.height, id++);
    MProgress& core = bar->Core();
    if (sample.configure) sample.configure(core, sample.index);
    core.SetValue(Units(sample.percent * 100));
    bars_.push_back(std::move(bar));
  };
  for (const Row& row : GalleryRows()) {
    const int height = RowHeight(row);
    MakeLabel(Handle(), row.label, top, height);
    int left = kGap + kLabelWidth;
    for (const Sample& sample : row.samples) {
      add(left, top, sample);
      left += sample.width + kGap;
    }
    top += height + kGap;
  }
  MakeLabel(Handle(), "Live: Min to Max, then again", top, kThin);
  add(kGap + kLabelWidth, top, {kClientWidth - kLabelWidth - 2 * kGap, kThin, 0, Live});
  live_ = bars_.back().get();
}

void ProgressGalleryWindow::StartLive() { SetTimer(Handle(), kLiveTimer, 30, nullptr); }

void ProgressGalleryWindow::StepLive(int ticks) {
  MProgress& core = live_->Core();
  for (int tick = 0; tick < ticks; ++tick) {
    // A step of 37 of the 10000 units crosses a whole percent on most ticks.
    const auto value = std::int64_t(core.Value().ToDouble());
    core.SetValue(core.Value() == core.Max() ? core.Min() : Units(value + 37));
  }
}

LRESULT ProgressGalleryWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kLiveTimer && live_) StepLive();
      return 0;
    case WM_DESTROY:
      KillTimer(Handle(), kLiveTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace hushwall
