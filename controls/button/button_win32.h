#pragma once
// The skinned button's window class "MyButton": a tab stop whose window text is the
// caption, delivering focus, mouse, keyboard, paint, size, show and enable changes to
// the portable button, and drawing through a back buffer.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "controls/button/button_canvas_win32.h"
#include "controls/button/my_button.h"
#include "controls/host/accessible_win32.h"
#include "controls/host/control_host_win32.h"
#include "platform/custom_control_win32.h"

namespace hushwall {

class MyButtonWindow : public CustomControl,
                       private ButtonWindow,
                       private ButtonHost,
                       private AccessibleControl {
 public:
  static constexpr const char* kClassName = "MyButton";
  static constexpr const char* kTypeName = "MyButton";

  // Registers the window class, and the button with the custom controls so that
  // control tables can declare it. Safe to call more than once.
  static void Register();

  // `name` is the button's control name on its hosting window.
  MyButtonWindow(ControlHostWin32& host, std::string name);
  ~MyButtonWindow() override;

  // Creates the window as a child of `parent`, by default the host's window. Without
  // `saved` the button starts with the creation defaults; with it, it loads that
  // persisted set (which throws ControlError for a value of the wrong kind or range).
  bool Create(int x, int y, int width, int height, int control_id = 0,
              const PropertyBag* saved = nullptr, bool visible = true, HWND parent = nullptr);

  MyButton& Core() { return core_; }
  const MyButton& Core() const { return core_; }
  const std::string& Name() const override { return name_; }
  const char* TypeName() const override { return kTypeName; }

  // The host's Click handler; the other events go to SetEvents' receiver, if any.
  // Without one, a click is sent to the parent as WM_COMMAND with BN_CLICKED.
  void OnClick(std::function<void()> handler) { on_click_ = std::move(handler); }
  void SetEvents(ButtonEvents* events) { events_ = events; }

  // The one paint entry (WM_PAINT and WM_PRINTCLIENT): redraws the current state and
  // copies it to `target`.
  void Paint(HDC target) override;
  // Paints one state and copies it to `target`.
  void RenderState(HDC target, std::int16_t state);
  // The hosting window was shown again: the skin is looked up anew.
  void Shown();
  void HostShown() override { Shown(); }
  void SetDpi(int dpi) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // ButtonWindow
  ButtonCanvas& Canvas() override { return canvas_; }
  std::uintptr_t WindowHandle() override;
  bool Enabled() override;
  void SetEnabled(bool enabled) override;
  void SetCaption(const std::string& text) override;
  void SetFont(const FontDescription& font) override;
  void SetPointer(std::int16_t pointer, const PictureRef& icon) override;
  void Capture() override;
  void ReleaseCapture() override;

  // ButtonHost
  std::shared_ptr<HostedControl> FindControl(const std::string& name) override;
  FontDescription AmbientFont() override;
  std::string ControlName() override { return name_; }
  void PropertyChanged(std::string_view key) override;
  void Click() override;
  void MouseHover() override;
  void MouseOut() override;
  void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void KeyPress(std::int16_t& key_ascii) override;
  void KeyDown(std::int16_t& key_code, std::int16_t& shift) override;
  void KeyUp(std::int16_t& key_code, std::int16_t& shift) override;

  // AccessibleControl
  AccessibleFacts ReaderFacts() override;
  bool DoDefaultAction() override;

  // Message handlers.
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  void OnMouseButton(UINT message, WPARAM wparam, LPARAM lparam);
  void OnSize(int width, int height);
  void OnEnable(bool enabled);
  bool OnSetText(const char* text);
  bool OnSetCursor();
  LRESULT OnGetDlgCode(const MSG* message) const;
  void RunPendingShow();

  ControlHostWin32& host_;
  std::string name_;
  GdiButtonCanvas canvas_{nullptr};
  MyButton core_;
  std::function<void()> on_click_;
  ButtonEvents* events_ = nullptr;
  // Expires with the object, for handlers that destroy the button.
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
  std::int16_t pointer_ = 0;
  PictureRef pointer_icon_;
  bool ready_ = false;          // the properties are in place
  bool show_pending_ = true;    // shown, the skin not yet looked up
  bool setting_enabled_ = false;
  bool setting_caption_ = false;
  AccessibleLink accessible_{*this, *this};
};

}  // namespace hushwall
