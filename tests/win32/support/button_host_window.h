#pragma once
// A top-level window that hosts skinned buttons: the window, its host and the skin
// picture box the buttons draw from.
#include <windows.h>

#include <memory>

#include "controls/button/my_button.h"
#include "controls/host/control_host_win32.h"
#include "platform/picture_box_win32.h"

namespace hushwall::testing {

class ButtonHostWindow {
 public:
  // Hidden unless `shown`.
  explicit ButtonHostWindow(bool shown = false);
  ButtonHostWindow(const ButtonHostWindow&) = delete;
  ButtonHostWindow& operator=(const ButtonHostWindow&) = delete;
  ~ButtonHostWindow();

  HWND Handle() const { return window_; }
  ControlHostWin32& Host() { return host_; }

  // Replaces the skin with a hidden picture box at (0, top) holding `image` (taken
  // over), or the program's default skin resource when `image` is null. Null when the
  // box could not be made.
  PictureBox* AddSkin(HBITMAP image = nullptr, const char* name = kDefaultSkinName, int top = 200);
  void RemoveSkin() { skin_.reset(); }

 private:
  HWND window_ = nullptr;
  ControlHostWin32 host_;
  std::unique_ptr<PictureBox> skin_;
};

}  // namespace hushwall::testing
