#pragma once
// frmSplash: the first window of every start. A borderless window cut to the outline
// of the splash picture, the program version written over it, centred on the screen.
// When its pause ends it hands over to the program (the creator's callback loads the
// main window hidden), lets pending messages run and closes itself.
//
//   Splash splash;
//   splash.Show([&] { main_window.Load(); });  // then run the message loop
#include <windows.h>

#include <functional>

#include "platform/form_win32.h"
#include "platform/gdi_win32.h"
#include "platform/window_win32.h"

namespace hushwall {

// The splash picture from the program's resources, as a DIB section so that it keeps
// its exact colours; empty when it cannot be loaded.
Bitmap LoadSplashPicture();

class Splash : public Window {
 public:
  static constexpr unsigned kDefaultPauseMs = 2000;

  explicit Splash(unsigned pause_ms = kDefaultPauseMs);
  ~Splash() override;

  // Loads the window (version text, picture, region, centring), shows it and starts
  // the pause. `on_pause_end` runs exactly once, from the message loop, while the
  // splash is still on screen; it must not destroy this object. A close request
  // before the pause is over ends the pause at once, so the program always goes on.
  // `on_closed` runs once the splash has gone, so that what the program has to tell
  // the user does not stand over it.
  // Returns false when the window cannot be made (it is not shown, nothing runs).
  bool Show(std::function<void()> on_pause_end, std::function<void()> on_closed = {});

  bool IsOpen() const { return Handle() != nullptr; }
  // The version label (lblVersion), for inspection.
  HWND VersionLabel() const { return lblVersion_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC dc) override;

 private:
  // picMainSkin: shows the picture and draws the label over it.
  class PictureBox : public Window {
   public:
    bool Create(HWND parent);
    void Show(HBITMAP picture, int width, int height);

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void Paint(HDC dc) override;

   private:
    HBITMAP picture_ = nullptr;
  };

  void Load(int dpi);
  void Fit(int dpi);
  void DpiChanged(int dpi) override;
  void CreateVersionLabel(int dpi);
  void tmrPause_Timer();
  void EndPause();

  unsigned pause_ms_;
  Bitmap picture_;
  Bitmap scaled_;  // the picture at the window's dpi, when that is not 96
  HBITMAP shown_ = nullptr;
  PictureBox picMainSkin_;
  HWND lblVersion_ = nullptr;
  Form form_;  // lblVersion and its font
  std::function<void()> on_pause_end_;
  std::function<void()> on_closed_;
  bool pause_over_ = false;
};

}  // namespace hushwall
