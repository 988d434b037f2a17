#pragma once
// The program's modeless secondary windows (settings, About, help and the list
// dialogs): at most one of each is open. Opening one that is open brings it forward.
// Its keys go through the one message loop's dialog navigation, Escape closes it, and
// when the program ends it goes without running its own unload step.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/window_win32.h"

namespace hushwall {

// The base of such a window: its Load ends with EnableDialogKeys, so that it has
// keyboard navigation and a focused control while it exists; closed by Escape
// (IDCANCEL from the dialog navigation) as by its close box.
class SecondaryWindow : public Window {
 public:
  // Creates the window (owned by `owner`, so it has no taskbar button) with its
  // controls; false when it could not be made.
  virtual bool Load(HWND owner) = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

// Holds one secondary window of a kind.
template <class Secondary>
class SecondaryWindowHolder {
 public:
  using Factory = std::function<std::unique_ptr<Secondary>()>;
  explicit SecondaryWindowHolder(Factory make = [] { return std::make_unique<Secondary>(); })
      : make_(std::move(make)) {}

  // Loads the window when it is not open, then shows it and brings it forward.
  // nullptr when it could not be loaded.
  Secondary* Open(HWND owner) {
    if (!IsOpen()) {
      Retire(std::move(window_));
      window_ = make_();
      if (!window_->Load(owner)) {
        window_.reset();
        return nullptr;
      }
    }
    ShowWindow(window_->Handle(), SW_SHOW);
    SetForegroundWindow(window_->Handle());
    return window_.get();
  }
  bool IsOpen() const { return window_ && window_->Handle(); }
  // The open window, or nullptr.
  Secondary* Get() const { return IsOpen() ? window_.get() : nullptr; }

 private:
  // A closed window's object goes once none of its handlers runs any more; one may
  // still wait in a message box while the window is opened again.
  void Retire(std::unique_ptr<Secondary> closed) {
    std::erase_if(retired_, [](const auto& each) { return !each->InHandler(); });
    if (closed && closed->InHandler()) retired_.push_back(std::move(closed));
  }

  Factory make_;
  std::unique_ptr<Secondary> window_;  // its window may have been closed since
  std::vector<std::unique_ptr<Secondary>> retired_;
};

}  // namespace hushwall
