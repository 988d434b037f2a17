#include "controls/button/button_win32.h"

#include <windowsx.h>

#include "controls/host/picture_win32.h"
#include "platform/mouse_keys_win32.h"
#include "platform/property_bag.h"

namespace hushwall {
namespace {

constexpr std::int16_t kCustomPointer = 99;
// A reader's default action, posted so that the reader's call returns before the
// Click handler runs (which may open a modal window or destroy the button).
constexpr UINT kPressMessage = WM_USER + 1;

LPCSTR StandardCursor(std::int16_t pointer) {
  switch (pointer) {
    case 1: return IDC_ARROW;
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 5: case 15: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return nullptr;
  }
}

// A button of a control table: its declared caption, font and skin, read the way a
// saved button is loaded.
std::unique_ptr<CustomControl> ButtonFromTable(const CustomControlSpec& spec) {
  ControlHostWin32* host = ControlHostWin32::Of(spec.parent);
  if (!host) return nullptr;
  PropertyBag declared;
  declared.Set("SPN", spec.picture.empty() ? kDefaultSkinName : spec.picture);
  declared.Set("Text", spec.caption);
  declared.Set("Font", spec.font);
  auto button = std::make_unique<MyButtonWindow>(*host, spec.name);
  const PropertyBag* saved = spec.persisted ? spec.persisted : &declared;
  if (!button->Create(spec.x, spec.y, spec.width, spec.height, spec.id, saved, spec.visible,
                      spec.parent)) {
    return nullptr;
  }
  return button;
}

}  // namespace

void MyButtonWindow::Register() {
  RegisterClassOnce(kClassName, CS_DBLCLKS, nullptr);
  RegisterCustomControl(ControlKind::SkinnedButton, kClassName, ButtonFromTable);
}

MyButtonWindow::MyButtonWindow(ControlHostWin32& host, std::string name)
    : host_(host), name_(std::move(name)), core_(*this, *this) {}

MyButtonWindow::~MyButtonWindow() = default;

bool MyButtonWindow::Create(int x, int y, int width, int height, int control_id,
                            const PropertyBag* saved, bool visible, HWND parent) {
  Register();
  const DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
  HWND window = Window::Create(kClassName, "", style, 0, x, y, width, height,
                               parent ? parent : host_.Window(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)));
  if (!window) return false;
  canvas_.Attach(window);
  RECT client{};
  GetClientRect(window, &client);
  canvas_.Resize(client.right, client.bottom);
  if (saved) {
    core_.ReadProperties(*saved);
  } else {
    core_.InitProperties();
  }
  ready_ = true;
  if (visible) ShowWindow(window, SW_SHOWNA);
  return true;
}

void MyButtonWindow::Paint(HDC target) {
  // Until its properties are in place the button has nothing to show.
  if (!ready_) return;
  canvas_.SetPresentTarget(target);
  RunPendingShow();
  core_.Refresh();
  canvas_.PresentIfNotDone();
  canvas_.SetPresentTarget(nullptr);
}

void MyButtonWindow::RenderState(HDC target, std::int16_t state) {
  canvas_.SetPresentTarget(target);
  RunPendingShow();
  core_.PaintState(state);
  canvas_.PresentIfNotDone();
  canvas_.SetPresentTarget(nullptr);
}

void MyButtonWindow::Shown() {
  show_pending_ = true;
  if (IsWindowVisible(Handle())) InvalidateRect(Handle(), nullptr, FALSE);
}

// The lookup waits for the first paint after a showing, so that a picture box
// placed after the button, or a host shown later, is found.
void MyButtonWindow::RunPendingShow() {
  if (!show_pending_ || !ready_) return;
  show_pending_ = false;
  core_.Shown();
}

LRESULT MyButtonWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return accessible_.Handle(message, wparam, lparam, [&] { return Dispatch(message, wparam, lparam); });
}

LRESULT MyButtonWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!ready_) {
    if (message == WM_SIZE) OnSize(LOWORD(lparam), HIWORD(lparam));
    return Window::HandleMessage(message, wparam, lparam);
  }
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      OnSize(LOWORD(lparam), HIWORD(lparam));
      core_.SizeChanged();
      return 0;
    case WM_SHOWWINDOW:
      if (wparam) Shown();
      return Window::HandleMessage(message, wparam, lparam);
    case WM_ENABLE:
      OnEnable(wparam != 0);
      return 0;
    case WM_SETFOCUS:
      core_.FocusGained();
      return 0;
    case WM_KILLFOCUS:
      core_.FocusLost();
      return 0;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
      OnMouseButton(message, wparam, lparam);
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
    case kPressMessage:
      core_.Press();
      return 0;
    case WM_GETDLGCODE:
      return OnGetDlgCode(reinterpret_cast<const MSG*>(lparam));
    case WM_SETTEXT:
      if (OnSetText(reinterpret_cast<const char*>(lparam))) return TRUE;
      return Window::HandleMessage(message, wparam, lparam);
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(canvas_.FontHandle());
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) == Handle() && LOWORD(lparam) == HTCLIENT &&
          OnSetCursor()) {
        return TRUE;
      }
      return Window::HandleMessage(message, wparam, lparam);
    default:
      return Window::HandleMessage(message, wparam, lparam);
  }
}

void MyButtonWindow::OnMouseButton(UINT message, WPARAM, LPARAM lparam) {
  const float x = float(GET_X_LPARAM(lparam));
  const float y = float(GET_Y_LPARAM(lparam));
  const std::int16_t shift = ShiftState();
  switch (message) {
    case WM_LBUTTONDBLCLK:
      core_.DoubleClick();
      return;
    case WM_LBUTTONUP: core_.MouseUp(kLeftButton, shift, x, y); return;
    case WM_RBUTTONUP: core_.MouseUp(kRightButton, shift, x, y); return;
    case WM_MBUTTONUP: core_.MouseUp(kMiddleButton, shift, x, y); return;
    default: break;
  }
  const std::int16_t button = message == WM_LBUTTONDOWN                                  ? kLeftButton
                              : message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ? kRightButton
                                                                                         : kMiddleButton;
  // A press takes the focus first, as on any push button, so the focus look comes
  // before the pressed one.
  if (GetFocus() != Handle()) SetFocus(Handle());
  core_.MouseDown(button, shift, x, y);
}

void MyButtonWindow::OnSize(int width, int height) { canvas_.Resize(width, height); }

// Enabling from outside (EnableWindow on the button) acts like the Enabled property;
// the property's own EnableWindow call is not taken for a second change.
void MyButtonWindow::OnEnable(bool enabled) {
  if (!setting_enabled_) core_.SetEnabled(enabled);
}

// Text set from outside (SetWindowTextA) acts like the Text property.
bool MyButtonWindow::OnSetText(const char* text) {
  if (setting_caption_) return false;
  core_.SetText(text ? text : "");
  return true;
}

bool MyButtonWindow::OnSetCursor() {
  if (pointer_ == kCustomPointer) {
    auto* icon = dynamic_cast<const Win32Picture*>(pointer_icon_.get());
    if (!icon || icon->Gdi().kind != GdiPicture::Kind::kIcon) return false;
    SetCursor(static_cast<HCURSOR>(icon->Gdi().handle));
    return true;
  }
  const LPCSTR standard = StandardCursor(pointer_);
  if (!standard) return false;
  SetCursor(LoadCursorA(nullptr, standard));
  return true;
}

// Enter and the space bar reach the button under IsDialogMessageA, Tab and the
// arrows stay with the dialog navigation.
LRESULT MyButtonWindow::OnGetDlgCode(const MSG* message) const {
  LRESULT code = DLGC_WANTCHARS;
  if (message && message->wParam == VK_RETURN &&
      (message->message == WM_KEYDOWN || message->message == WM_KEYUP || message->message == WM_CHAR)) {
    code |= DLGC_WANTMESSAGE;
  }
  return code;
}

AccessibleFacts MyButtonWindow::ReaderFacts() {
  return hushwall::ReaderFacts(core_, IsWindowVisible(Handle()) != FALSE);
}

bool MyButtonWindow::DoDefaultAction() {
  return core_.Enabled() && PostMessageA(Handle(), kPressMessage, 0, 0);
}

std::uintptr_t MyButtonWindow::WindowHandle() {
  return reinterpret_cast<std::uintptr_t>(Handle());
}

bool MyButtonWindow::Enabled() { return IsWindowEnabled(Handle()) != FALSE; }

void MyButtonWindow::SetEnabled(bool enabled) {
  setting_enabled_ = true;
  EnableWindow(Handle(), enabled);
  setting_enabled_ = false;
}

void MyButtonWindow::SetCaption(const std::string& text) {
  setting_caption_ = true;
  SetWindowTextA(Handle(), text.c_str());
  setting_caption_ = false;
}

void MyButtonWindow::SetFont(const FontDescription& font) { canvas_.SetFont(font); }

void MyButtonWindow::SetDpi(int dpi) {
  if (dpi == canvas_.Dpi()) return;
  canvas_.SetDpi(dpi);
  canvas_.SetFont(core_.Font());
  InvalidateRect(Handle(), nullptr, FALSE);
}

void MyButtonWindow::SetPointer(std::int16_t pointer, const PictureRef& icon) {
  pointer_ = pointer;
  pointer_icon_ = icon;
}

void MyButtonWindow::Capture() { SetCapture(Handle()); }

void MyButtonWindow::ReleaseCapture() { ::ReleaseCapture(); }

std::shared_ptr<HostedControl> MyButtonWindow::FindControl(const std::string& name) {
  return host_.FindControl(name);
}

FontDescription MyButtonWindow::AmbientFont() { return host_.AmbientFont(); }

void MyButtonWindow::PropertyChanged(std::string_view key) { host_.ReportChange(name_, key); }

void MyButtonWindow::Click() {
  if (events_) {
    const std::weak_ptr<int> alive = life_;
    events_->Click();
    if (alive.expired()) return;  // the receiver destroyed the button, handler and all
  }
  // The handler may destroy the button too; it runs from a copy.
  if (std::function<void()> handler = on_click_) {
    handler();
    return;
  }
  // Without a handler of its own the button tells its parent as a standard push
  // button does, so windows handle every button's click in one place.
  SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(Handle()));
}

void MyButtonWindow::MouseHover() {
  if (events_) events_->MouseHover();
}

void MyButtonWindow::MouseOut() {
  if (events_) events_->MouseOut();
}

void MyButtonWindow::MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (events_) events_->MouseDown(button, shift, x, y);
}

void MyButtonWindow::MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (events_) events_->MouseMove(button, shift, x, y);
}

void MyButtonWindow::MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) {
  if (events_) events_->MouseUp(button, shift, x, y);
}

void MyButtonWindow::KeyPress(std::int16_t& key_ascii) {
  if (events_) events_->KeyPress(key_ascii);
}

void MyButtonWindow::KeyDown(std::int16_t& key_code, std::int16_t& shift) {
  if (events_) events_->KeyDown(key_code, shift);
}

void MyButtonWindow::KeyUp(std::int16_t& key_code, std::int16_t& shift) {
  if (events_) events_->KeyUp(key_code, shift);
}

}  // namespace hushwall
