#include "controls/progress/progress_window_win32.h"

#include <windowsx.h>

#include <exception>
#include <utility>

#include "platform/control_error.h"
#include "platform/mouse_keys_win32.h"
#include "platform/property_bag.h"

namespace hushwall {
namespace {

// The coordinate units the platform knows: user, twips, points, pixels, characters,
// inches, millimetres, centimetres.
constexpr std::int16_t kLastScaleMode = 7;

std::int16_t ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return kLeftButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return kRightButton;
    default: return kMiddleButton;
  }
}

// A bar of a control table: its declared caption (the text before the percentage)
// and font, read the way a saved bar is loaded.
std::unique_ptr<CustomControl> ProgressFromTable(const CustomControlSpec& spec) {
  ControlHostWin32* host = ControlHostWin32::Of(spec.parent);
  if (!host) return nullptr;
  PropertyBag declared;
  if (!spec.caption.empty()) declared.Set("PercentBefore", spec.caption);
  declared.Set("Font", spec.font);
  auto bar = std::make_unique<MProgressWindow>(*host, spec.name);
  if (!bar->Create(spec.x, spec.y, spec.width, spec.height, spec.id, &declared, spec.visible,
                   spec.parent)) {
    return nullptr;
  }
  return bar;
}

}  // namespace

void MProgressWindow::Register() {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr);
  RegisterCustomControl(ControlKind::ProgressBar, kClassName, ProgressFromTable);
}

MProgressWindow::MProgressWindow(ControlHostWin32& host, std::string name)
    : host_(host),
      name_(std::move(name)),
      face_([this] { SurfaceChanged(); }),
      bar_([this] { SurfaceChanged(); }),
      core_(*this, *this) {}

MProgressWindow::~MProgressWindow() = default;

bool MProgressWindow::Create(int x, int y, int width, int height, int control_id,
                             const PropertyBag* saved, bool visible, HWND parent) {
  Register();
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  HWND window = Window::Create(kClassName, "", style, 0, x, y, width, height,
                               parent ? parent : host_.Window(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)));
  if (!window) return false;
  if (saved) {
    core_.ReadProperties(*saved);
  } else {
    core_.InitProperties();
  }
  ready_ = true;
  if (visible) ShowWindow(window, SW_SHOWNA);
  return true;
}

void MProgressWindow::Paint(HDC target) {
  if (!ready_) return;
  invalidated_ = false;
  painting_ = true;
  if (!shown_) OnShown();
  painting_ = false;
  // The face everywhere but under the bar, then the bar: no pixel is drawn twice.
  ShowFace(target);
  ShowBar(target);
}

void MProgressWindow::ShowFace(HDC target) {
  HDC face = face_.Dc();
  if (!face) return;
  const int saved = SaveDC(target);
  const BarRect& bar = bar_.Placement();
  if (bar_.Dc()) ExcludeClipRect(target, bar.left, bar.top, bar.left + bar.width, bar.top + bar.height);
  BitBlt(target, 0, 0, face_.Width(), face_.Height(), face, 0, 0, SRCCOPY);
  RestoreDC(target, saved);
}

// Cut to the face: a bar growing to the right or downward starts before it.
void MProgressWindow::ShowBar(HDC target) {
  HDC bar = bar_.Dc();
  if (!bar || !face_.Dc()) return;
  const int saved = SaveDC(target);
  IntersectClipRect(target, 0, 0, face_.Width(), face_.Height());
  const BarRect& place = bar_.Placement();
  BitBlt(target, place.left, place.top, place.width, place.height, bar, 0, 0, SRCCOPY);
  RestoreDC(target, saved);
}

void MProgressWindow::SurfaceChanged() {
  if (!ready_) return;
  if (core_.CaptionText() != window_text_) {
    window_text_ = core_.CaptionText();
    SetWindowTextA(Handle(), window_text_.c_str());
  }
  Repaint();
}

void MProgressWindow::HostShown() {
  if (IsWindowVisible(Handle())) OnShown();
}

void MProgressWindow::OnShown() {
  if (!ready_) return;
  shown_ = true;
  try {
    core_.Show();
  } catch (const std::exception&) {
    // A caption that cannot be measured leaves the bar as it was.
  }
}

void MProgressWindow::OnSize() {
  if (shown_) core_.SizeChanged();
}

LRESULT MProgressWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return accessible_.Handle(message, wparam, lparam, [&] { return Dispatch(message, wparam, lparam); });
}

LRESULT MProgressWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!ready_) return Window::HandleMessage(message, wparam, lparam);
  try {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_SIZE:
        OnSize();
        return 0;
      case WM_SHOWWINDOW:
        if (wparam) OnShown();
        return Window::HandleMessage(message, wparam, lparam);
      case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
        OnMouse(message, wparam, lparam);
        return 0;
      case WM_MOUSEMOVE:
        core_.MouseMove(HeldButtons(wparam), ShiftState(), float(GET_X_LPARAM(lparam)),
                        float(GET_Y_LPARAM(lparam)));
        return 0;
      case WM_KEYDOWN:
        core_.KeyDown(static_cast<std::int16_t>(wparam), ShiftState());
        return 0;
      case WM_KEYUP:
        core_.KeyUp(static_cast<std::int16_t>(wparam), ShiftState());
        return 0;
      case WM_CHAR:
        core_.KeyPress(static_cast<std::int16_t>(static_cast<unsigned char>(wparam)));
        return 0;
      default:
        return Window::HandleMessage(message, wparam, lparam);
    }
  } catch (const std::exception&) {
    // An event handler's error stops at the window procedure.
    return 0;
  }
}

// A click is a left press and release on the bar, as on any window.
void MProgressWindow::OnMouse(UINT message, WPARAM, LPARAM lparam) {
  const float x = float(GET_X_LPARAM(lparam));
  const float y = float(GET_Y_LPARAM(lparam));
  const std::int16_t button = ButtonOf(message);
  const std::int16_t shift = ShiftState();
  switch (message) {
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP: {
      if (GetCapture() == Handle()) ReleaseCapture();
      core_.MouseUp(button, shift, x, y);
      RECT client{};
      GetClientRect(Handle(), &client);
      const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (button == kLeftButton && std::exchange(pressed_, false) && PtInRect(&client, point))
        core_.Clicked();
      return;
    }
    default:
      if (button == kLeftButton) pressed_ = true;
      SetCapture(Handle());
      core_.MouseDown(button, shift, x, y);
      return;
  }
}

// The caption's font at the hosting window's dpi; the bar and its fades already
// follow the window's size in pixels.
void MProgressWindow::SetDpi(int dpi) {
  for (GdiProgressSurface* surface : {&face_, &bar_}) surface->SetDpi(dpi);
  if (!ready_) return;
  try {
    core_.FontScaleChanged();
  } catch (const ControlError&) {
    // A font the system refuses keeps the old one, as a failed Font setting does.
  }
}

void MProgressWindow::SetReaderName(std::string name) {
  reader_name_ = std::move(name);
  accessible_.Update();
}

// Its value is the caption on screen, which the window text mirrors.
AccessibleFacts MProgressWindow::ReaderFacts() {
  AccessibleFacts facts;
  facts.role = reader_role::kProgressBar;
  facts.name = reader_name_;
  facts.value = window_text_;
  HWND window = Handle();
  facts.states = ReaderStates({IsWindowVisible(window) != FALSE, IsWindowEnabled(window) != FALSE,
                               false, GetFocus() == window, false});
  return facts;
}

std::int32_t MProgressWindow::DrawingWidth() {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.right;
}

std::int32_t MProgressWindow::DrawingHeight() {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom;
}

void MProgressWindow::SetScaleMode(std::int16_t code) {
  if (code < 0 || code > kLastScaleMode)
    throw ControlError(error_number::kInvalidArgument, "MProgress::ScaleMode");
}

// Each invalidation is a trip to the window server, and one value step changes the
// surfaces several times: once invalid, the window stays so until its paint.
void MProgressWindow::Repaint() {
  if (painting_ || invalidated_) return;
  invalidated_ = true;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void MProgressWindow::SetParent(std::uint32_t parent_handle) {
  ::SetParent(Handle(), reinterpret_cast<HWND>(static_cast<std::uintptr_t>(parent_handle)));
}

void MProgressWindow::BarResize() {
  if (events_) events_->BarResize();
}

void MProgressWindow::Change() {
  if (events_) events_->Change();
}

void MProgressWindow::Resize() {
  if (events_) events_->Resize();
}

void MProgressWindow::Click() {
  if (events_) events_->Click();
}

void MProgressWindow::KeyDown(std::int16_t& key_code, std::int16_t& shift) {
  if (events_) events_->KeyDown(key_code, shift);
}

void MProgressWindow::KeyPress(std::int16_t& key_ascii) {
  if (events_) events_->KeyPress(key_ascii);
}

void MProgressWindow::KeyUp(std::int16_t& key_code, std::int16_t& shift) {
  if (events_) events_->KeyUp(key_code, shift);
}

void MProgressWindow::MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (events_) events_->MouseDown(button, shift, x, y);
}

void MProgressWindow::MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (events_) events_->MouseMove(button, shift, x, y);
}

void MProgressWindow::MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (events_) events_->MouseUp(button, shift, x, y);
}

}  // namespace hushwall
