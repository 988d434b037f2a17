#pragma once
// The progress bar's window class "MProgress": the portable MProgress drawing on GDI
// surfaces, its window text the caption it shows, its paint the face with the bar
// over it, each pixel put on screen once, never erased first.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "controls/host/accessible_win32.h"
#include "controls/host/control_host_win32.h"
#include "controls/progress/m_progress.h"
#include "controls/progress/progress_surface_win32.h"
#include "platform/custom_control_win32.h"

namespace hushwall {

class MProgressWindow : public CustomControl,
                        private ProgressWindow,
                        private ProgressHost,
                        private AccessibleControl {
 public:
  static constexpr const char* kClassName = "MProgress";
  static constexpr const char* kTypeName = "MProgress";

  // Registers the window class, and the bar with the custom controls so that control
  // tables can declare it. Safe to call more than once.
  static void Register();

  // `name` is the bar's control name on its hosting window.
  MProgressWindow(ControlHostWin32& host, std::string name);
  ~MProgressWindow() override;

  // Creates the window as a child of `parent`, by default the host's window. Without
  // `saved` the bar starts with the values of a new instance; with it, it loads that
  // persisted set (which throws ControlError for a value of the wrong kind).
  bool Create(int x, int y, int width, int height, int control_id = 0,
              const PropertyBag* saved = nullptr, bool visible = true, HWND parent = nullptr);

  MProgress& Core() { return core_; }
  const MProgress& Core() const { return core_; }
  const std::string& Name() const override { return name_; }
  const char* TypeName() const override { return kTypeName; }

  // Receives the bar's events (Change, BarResize, Resize, mouse and keys); may be null.
  void SetEvents(ProgressEvents* events) { events_ = events; }

  // The name a screen reader gives the bar, such as the text of the label before it;
  // without one the bar has none.
  void SetReaderName(std::string name);

  // The one paint entry (WM_PAINT and WM_PRINTCLIENT).
  void Paint(HDC target) override;
  void SetDpi(int dpi) override;
  void HostShown() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // ProgressWindow
  ProgressSurface& Face() override { return face_; }
  ProgressSurface& Bar() override { return bar_; }
  ProgressSurface& BackgroundBuffer() override { return background_; }
  ProgressSurface& BarBuffer() override { return bar_fade_; }
  std::int32_t DrawingWidth() override;
  std::int32_t DrawingHeight() override;
  void SetScaleMode(std::int16_t code) override;
  void Repaint() override;
  void SetParent(std::uint32_t parent_handle) override;

  // ProgressHost
  bool DesignMode() override { return false; }
  FontDescription AmbientFont() override { return host_.AmbientFont(); }
  void PropertyChanged(std::string_view key) override { host_.ReportChange(name_, key); }
  void BarResize() override;
  void Change() override;
  void Resize() override;
  void Click() override;
  void KeyDown(std::int16_t& key_code, std::int16_t& shift) override;
  void KeyPress(std::int16_t& key_ascii) override;
  void KeyUp(std::int16_t& key_code, std::int16_t& shift) override;
  void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;
  void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override;

  // AccessibleControl
  AccessibleFacts ReaderFacts() override;

  // The two shown surfaces on a paint's DC.
  void ShowFace(HDC target);
  void ShowBar(HDC target);

  // Message handlers.
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  void OnShown();
  void OnSize();
  void OnMouse(UINT message, WPARAM wparam, LPARAM lparam);
  // What the face or the bar shows changed: the caption becomes the window text and
  // the window is invalidated, so that several changes make one paint.
  void SurfaceChanged();

  ControlHostWin32& host_;
  std::string name_;
  GdiProgressSurface face_;
  GdiProgressSurface bar_;
  GdiProgressSurface background_;
  GdiProgressSurface bar_fade_;
  MProgress core_;
  ProgressEvents* events_ = nullptr;
  bool ready_ = false;    // the properties are in place
  bool shown_ = false;    // Show has run at least once
  bool painting_ = false; // inside Paint: the paint in progress shows every change
  bool pressed_ = false;  // the left button went down on the bar
  bool invalidated_ = false;  // invalidated since the last paint
  std::string window_text_;
  std::string reader_name_;
  AccessibleLink accessible_{*this, *this};
};

}  // namespace hushwall
