#include "ui/windows/splash_win32.h"

#include <span>
#include <string>

#include "platform/form_win32.h"
#include "platform/resource_win32.h"
#include "resources/resource_ids.h"
#include "ui/windows/program_version_win32.h"
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

bool Splash::PictureBox::Create(HWND parent, HBITMAP picture, int width, int height) {
  picture_ = picture;
  RegisterClassOnce(kPictureClass, 0, nullptr);
  // No WS_CLIPCHILDREN: the label is transparent and needs the picture under it.
  return Window::Create(kPictureClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, width, height, parent, nullptr) !=
         nullptr;
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
  Load(info.bmWidth, info.bmHeight);
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  SetTimer(Handle(), kPauseTimer, pause_ms_, nullptr);
  return true;
}

void Splash::Load(int width, int height) {
  picMainSkin_.Create(Handle(), picture_.Get(), width, height);
  CreateVersionLabel();
  ProgramVersion version;
  if (ReadProgramVersion(version)) {
    SetWindowTextA(lblVersion_, ("Version " + VersionNumberText(version)).c_str());
  }
  // The picture's outline; the window then owns the region.
  if (HRGN region = RegionFromPicture(picture_.Get())) SetWindowRgn(Handle(), region, TRUE);
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
  const int top = GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Splash::CreateVersionLabel() {
  form_.CreateControls(picMainSkin_.Handle(), SplashControls());
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

void Splash::Paint(HDC dc) { PaintPicture(dc, picture_.Get()); }

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
