#pragma once
// The small base of every window class: `this` travels in lpCreateParams, is stored
// at WM_NCCREATE and cleared at WM_NCDESTROY; the derived class dispatches messages
// to named handlers in HandleMessage.
#include <windows.h>

#include <vector>

namespace hushwall {

// Registers a window class with the arrow cursor, unless the process has one of that
// name already.
void RegisterWindowClassOnce(const char* class_name, WNDPROC procedure, UINT class_styles,
                             HBRUSH background, HICON icon = nullptr);

class Window;

// The object of one of our own windows when the window is of that class, else nullptr.
Window* WindowObjectOf(HWND window, const char* class_name);

// Every child window of `parent`, children of children included, parents first.
std::vector<HWND> ChildWindows(HWND parent);

// Whether `control`, inside `window`, can take the keyboard focus: it and every
// window between it and `window` are visible and enabled.
bool CanTakeFocus(HWND window, HWND control);

// Takes the tab stops of the controls inside `pane` away, or gives back those it
// took: a pane covered by another stays visible, but Tab must not reach what the
// user cannot see.
void SetTabStopsReachable(HWND pane, bool reachable);

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return handle_; }
  // Whether one of this window's handlers is running (a message box inside one lets
  // other messages in): the object must not go before it returns.
  bool InHandler() const { return handlers_running_ > 0; }

 protected:
  // Registers the class once per process (CS_DBLCLKS unless styles say otherwise).
  static void RegisterClassOnce(const char* class_name, UINT class_styles = CS_DBLCLKS,
                                HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                HICON icon = nullptr);
  HWND Create(const char* class_name, const char* caption, DWORD style, DWORD ex_style, int x,
              int y, int width, int height, HWND parent, HMENU menu_or_id);

  // Returns the message result. The default paints through Paint and forwards
  // everything else to DefWindowProcA.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Draws the client area on `dc`: the window's own DC inside BeginPaint/EndPaint for
  // WM_PAINT, the caller's for WM_PRINTCLIENT, so a test can render the window into
  // a bitmap of its own. The default draws nothing.
  virtual void Paint(HDC dc);
  // After the window has taken its new rectangle and its form's controls their places
  // and fonts at the new dpi (WM_DPICHANGED): what else it draws at the dpi. The
  // default does nothing.
  virtual void DpiChanged(int dpi);

  // For a created top-level window with controls: its keys go through the message
  // loop's dialog navigation until it is destroyed, and it keeps the keyboard focus
  // on a control as a dialog box does. Activated, it gives the focus back to the
  // control that had it when the window was last deactivated, or else to the first
  // control in tab order that can take it.
  void EnableDialogKeys();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // The dialog-box focus handling; false for a message it leaves alone.
  bool HandleDialogFocus(UINT message, WPARAM wparam);
  void RestoreFocus();
  void OnDpiChanged(int dpi, const RECT& suggested);

  HWND handle_ = nullptr;
  int handlers_running_ = 0;
  bool dialog_keys_ = false;
  HWND last_focus_ = nullptr;  // checked before use: it may have gone since
};

}  // namespace hushwall
