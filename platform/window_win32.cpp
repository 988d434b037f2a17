#include "platform/window_win32.h"

#include "platform/font_win32.h"
#include "platform/form_win32.h"
#include "platform/message_loop_win32.h"

namespace hushwall {
namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool CanTakeFocus(HWND window, HWND control) {
  if (!control || !IsWindow(control) || control == window) return false;
  for (HWND each = control; each; each = GetParent(each)) {
    if (each == window) return true;
    const LONG style = GetWindowLongA(each, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) return false;
  }
  return false;
}

void SetTabStopsReachable(HWND pane, bool reachable) {
  static constexpr char kTakenStop[] = "HushWall.TakenTabStop";
  for (HWND control : ChildWindows(pane)) {
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    if (!reachable && (style & WS_TABSTOP)) {
      SetPropA(control, kTakenStop, control);
      SetWindowLongA(control, GWL_STYLE, style & ~WS_TABSTOP);
    } else if (reachable && RemovePropA(control, kTakenStop)) {
      SetWindowLongA(control, GWL_STYLE, style | WS_TABSTOP);
    }
  }
}

Window::~Window() {
  if (handle_) {
    if (dialog_keys_) RemoveDialogWindow(handle_);
    // The window outlives no owner: detach first so no message reaches a dead object.
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

Window* WindowObjectOf(HWND window, const char* class_name) {
  char name[64] = {};
  if (!IsWindow(window) || !GetClassNameA(window, name, sizeof name)) return nullptr;
  if (lstrcmpA(name, class_name) != 0) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void RegisterWindowClassOnce(const char* class_name, WNDPROC procedure, UINT class_styles,
                             HBRUSH background, HICON icon) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{sizeof(existing)};
  if (GetClassInfoExA(instance, class_name, &existing)) return;
  WNDCLASSEXA window_class{sizeof(window_class)};
  window_class.style = class_styles;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.hIcon = icon;
  window_class.lpszClassName = class_name;
  RegisterClassExA(&window_class);
}

void Window::RegisterClassOnce(const char* class_name, UINT class_styles, HBRUSH background,
                               HICON icon) {
  RegisterWindowClassOnce(class_name, Procedure, class_styles, background, icon);
}

HWND Window::Create(const char* class_name, const char* caption, DWORD style, DWORD ex_style,
                    int x, int y, int width, int height, HWND parent, HMENU menu_or_id) {
  return CreateWindowExA(ex_style, class_name, caption, style, x, y, width, height, parent,
                         menu_or_id, GetModuleHandleA(nullptr), this);
}

void Window::EnableDialogKeys() {
  dialog_keys_ = true;
  AddDialogWindow(handle_);
}

// WM_ACTIVATE comes before the focus leaves, so the control that had it is still
// known; DefWindowProcA would put the focus on the window itself, where keys reach no
// control.
bool Window::HandleDialogFocus(UINT message, WPARAM wparam) {
  if (!dialog_keys_) return false;
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); IsChild(handle_, focus)) last_focus_ = focus;
      } else if (!HIWORD(wparam) && !IsChild(handle_, GetFocus())) {
        RestoreFocus();
        if (!IsChild(handle_, GetFocus())) SetFocus(handle_);
      }
      return true;
    case WM_SETFOCUS:
      RestoreFocus();
      return true;
    case WM_WINDOWPOSCHANGED:
      // Shown or restored while already active (the tray menu activates the hidden
      // window): no activation follows, so the focus comes back here.
      if (GetActiveWindow() == handle_ && !IsChild(handle_, GetFocus())) RestoreFocus();
      return false;
    case WM_DESTROY:
      RemoveDialogWindow(handle_);
      return false;
    default:
      return false;
  }
}

// A hidden or minimized window gets no focused control: the keys would reach a
// control the user cannot see.
void Window::RestoreFocus() {
  if (!IsWindowVisible(handle_) || IsIconic(handle_)) return;
  HWND target = CanTakeFocus(handle_, last_focus_) ? last_focus_ : GetNextDlgTabItem(handle_, nullptr, FALSE);
  if (CanTakeFocus(handle_, target)) SetFocus(target);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (HandleDialogFocus(message, wparam)) return 0;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle_, &paint);
      Paint(dc);
      EndPaint(handle_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wparam));
      return 0;
    case kDpiChangedMessage:
      OnDpiChanged(LOWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    default:
      return DefWindowProcA(handle_, message, wparam, lparam);
  }
}

void Window::Paint(HDC) {}

void Window::DpiChanged(int) {}

void Window::OnDpiChanged(int dpi, const RECT& suggested) {
  SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (Form* form = FormOf(handle_)) form->LayOut(dpi);
  DpiChanged(dpi);
  InvalidateRect(handle_, nullptr, TRUE);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  ++self->handlers_running_;
  LRESULT result = self->HandleMessage(message, wparam, lparam);
  --self->handlers_running_;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->handle_ = nullptr;
  }
  return result;
}

}  // namespace hushwall
