#include "support/button_host_window.h"

#include "platform/window_win32.h"
#include "resources/button_ids.h"

namespace hushwall::testing {

ButtonHostWindow::ButtonHostWindow(bool shown) {
  RegisterWindowClassOnce("HushWallTestHost", DefWindowProcA, 0,
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  window_ = CreateWindowExA(0, "HushWallTestHost", "host",
                            WS_OVERLAPPEDWINDOW | (shown ? WS_VISIBLE : 0), 10, 10, 480, 300,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  host_.Attach(window_);
}

ButtonHostWindow::~ButtonHostWindow() {
  skin_.reset();
  DestroyWindow(window_);
}

PictureBox* ButtonHostWindow::AddSkin(HBITMAP image, const char* name, int top) {
  skin_ = std::make_unique<PictureBox>(name);
  const bool loaded = image ? skin_->SetImage(image)
                            : skin_->LoadImageResource(BUTTON_DEFAULT_SKIN_RESOURCE);
  if (!loaded || !skin_->Create(window_, 0, top, false)) skin_.reset();
  return skin_.get();
}

}  // namespace hushwall::testing
