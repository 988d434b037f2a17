#include "ui/windows/splash_win32.h"

#include <cstdint>
#include <span>
#include <string>

#include "platform/dib_win32.h"
#include "platform/font_win32.h"
#include "platform/form_win32.h"
#include "platform/resource_win32.h"
#include "resources/resource_ids.h"
#include "ui/windows/program_version_win32.h"
#include "ui/windows/region_from_picture.h"
#include "ui/windows/region_from_picture_win32.h"

namespace hushwall {
namespace {

constexpr char kSplashClass[] = "HushWallSplash";
constexpr char kPictureClass[] = "HushWallSplashPicture";
constexpr UINT_PTR kPauseTimer = 1;

constexpr COLORREF kLabelColour = RGB(255, 255, 255);
constexpr int kIdVersion = 1001;

// The controls on picMainSkin, in twips relative to the picture.
std::span<const ControlDefinition> SplashControls() {
  static const ControlDefinition controls[] = {
      {"lblVersion", ControlKind::Label, "Loading ...", nullptr, 2640, 3120, 2010, 465, true, 0,
       {"MS Sans Serif", 13.5f, true}, kIdVersion},
  };
  return controls;
}

void PaintPicture(HDC target, HBITMAP picture) {
  BITMAP info{};
  GetObjectA(picture, sizeof info, &info);
  MemoryDc source(CreateCompatibleDC(target));
  SelectGuard selected(source.Get(), picture);
  BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
}

// `picture` at another size, as a 32-bit top-down DIB section.
DibSection ScaledPicture(HBITMAP picture, int width, int height, int mode) {
  BITMAP info{};
  GetObjectA(picture, sizeof info, &info);
  DibSection scaled = CreateTopDownDib(width, height, 32);
  MemoryDc target(CreateCompatibleDC(nullptr)), source(CreateCompatibleDC(nullptr));
  if (!scaled || !target || !source) return {};
  SelectGuard into(target.Get(), scaled.bitmap.Get()), from(source.Get(), picture);
  SetStretchBltMode(target.Get(), mode);
  SetBrushOrgEx(target.Get(), 0, 0, nullptr);
  StretchBlt(target.Get(), 0, 0, width, height, source.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  GdiFlush();
  std::span<std::uint32_t> pixels(static_cast<std::uint32_t*>(scaled.bits), std::size_t(width) * height);
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFFu;  // not part of the colour
  return scaled;
}

// Runs every message already waiting, then returns; a quit request stays queued.
void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(int(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

Bitmap LoadSplashPicture() {
  return LoadPngResource(IDB_SPLASH);
}

bool Splash::PictureBox::Create(HWND parent) {
  RegisterClassOnce(kPictureClass, 0, nullptr);
  // No WS_CLIPCHILDREN: the label is transparent and needs the picture under it.
  return Window::Create(kPictureClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0, parent, nullptr) != nullptr;
}

void Splash::PictureBox::Show(HBITMAP picture, int width, int height) {
  picture_ = picture;
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void Splash::PictureBox::Paint(HDC dc) { PaintPicture(dc, picture_); }

LRESULT Splash::PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, kLabelColour);
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    default:
      return Window::HandleMessage(message, wparam, lparam);
  }
}

Splash::Splash(unsigned pause_ms) : pause_ms_(pause_ms) {}

Splash::~Splash() {
  if (Handle()) KillTimer(Handle(), kPauseTimer);
}

bool Splash::Show(std::function<void()> on_pause_end, std::function<void()> on_closed) {
  if (Handle() || pause_over_) return false;
  picture_ = LoadSplashPicture();
  BITMAP info{};
  if (!picture_ || GetObjectA(picture_.Get(), sizeof info, &info) != sizeof info) return false;

  RegisterClassOnce(kSplashClass, 0, nullptr);
  if (!Create(kSplashClass, "HushWall", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, 0, 0, info.bmWidth,
              info.bmHeight, nullptr, nullptr)) {
    return false;
  }
  on_pause_end_ = std::move(on_pause_end);
  on_closed_ = std::move(on_closed);
  Load(WindowDpi(Handle()));
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  SetTimer(Handle(), kPauseTimer, pause_ms_, nullptr);
  return true;
}

void Splash::Load(int dpi) {
  picMainSkin_.Create(Handle());
  CreateVersionLabel(dpi);
  ProgramVersion version;
  if (ReadProgramVersion(version)) {
    SetWindowTextA(lblVersion_, ("Version " + VersionNumberText(version)).c_str());
  }
  Fit(dpi);
}

// The picture grows with the dpi as the label's twips do, so the version stays where
// it is on the picture: smoothly for the eye, by nearest pixel for the outline, whose
// key colour must stay exact.
void Splash::Fit(int dpi) {
  BITMAP info{};
  GetObjectA(picture_.Get(), sizeof info, &info);
  const int width = MulDiv(info.bmWidth, dpi, 96), height = MulDiv(info.bmHeight, dpi, 96);
  const bool scaled = width != info.bmWidth || height != info.bmHeight;
  DibSection smooth = scaled ? ScaledPicture(picture_.Get(), width, height, HALFTONE) : DibSection{};
  DibSection outline = scaled ? ScaledPicture(picture_.Get(), width, height, COLORONCOLOR) : DibSection{};
  if (smooth && outline) {
    const std::size_t count = std::size_t(width) * height;
    KeepSharpOutline(width, height, {static_cast<std::uint32_t*>(smooth.bits), count},
                     {static_cast<const std::uint32_t*>(outline.bits), count});
  }
  scaled_ = std::move(smooth.bitmap);
  shown_ = scaled_ ? scaled_.Get() : picture_.Get();
  picMainSkin_.Show(shown_, width, height);
  // The picture's outline; the window then owns the region.
  if (HRGN region = RegionFromPicture(outline ? outline.bitmap.Get() : picture_.Get())) SetWindowRgn(Handle(), region, TRUE);
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
  const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Splash::DpiChanged(int dpi) {
  form_.LayOut(dpi);
  Fit(dpi);
}

void Splash::CreateVersionLabel(int dpi) {
  form_.CreateControls(picMainSkin_.Handle(), SplashControls(), nullptr, dpi);
  lblVersion_ = form_.Control("lblVersion");
}

LRESULT Splash::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wparam == kPauseTimer) tmrPause_Timer();
      return 0;
    case WM_CLOSE:
      EndPause();
      return 0;
    case WM_DESTROY:
      lblVersion_ = nullptr;
      return 0;
    default:
      return Window::HandleMessage(message, wparam, lparam);
  }
}

void Splash::Paint(HDC dc) { PaintPicture(dc, shown_); }

void Splash::tmrPause_Timer() { EndPause(); }

void Splash::EndPause() {
  if (pause_over_) {
    // A close request while the hand-over runs: nothing more to hand over.
    if (Handle()) DestroyWindow(Handle());
    return;
  }
  pause_over_ = true;
  KillTimer(Handle(), kPauseTimer);
  if (auto hand_over = std::move(on_pause_end_)) hand_over();
  ProcessPendingMessages();
  if (Handle()) DestroyWindow(Handle());
  if (auto closed = std::move(on_closed_)) closed();
}

}  // namespace hushwall
