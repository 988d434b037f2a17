#pragma once
// Our controls as screen readers see them: the object that answers WM_GETOBJECT for
// a control window, and the events that tell readers what changed. The parent,
// navigation, hit test and children come from the window's standard object, so the
// control sits in the reader's tree where its window is.
#include <windows.h>

#include <functional>
#include <memory>

#include "controls/host/accessible.h"
#include "platform/window_win32.h"

namespace hushwall {

class AccessibleControl {
 public:
  virtual ~AccessibleControl() = default;
  virtual AccessibleFacts ReaderFacts() = 0;
  // Starts the default action; false when the control has none or cannot now.
  virtual bool DoDefaultAction() { return false; }
};

class ReaderObject;

// One per control window. A reader may keep the object after the window is gone;
// from then on it answers every call with an error.
class AccessibleLink {
 public:
  AccessibleLink(Window& window, AccessibleControl& control);
  AccessibleLink(const AccessibleLink&) = delete;
  AccessibleLink& operator=(const AccessibleLink&) = delete;
  ~AccessibleLink();

  // Runs one message of the control's window procedure: answers a reader's request,
  // cuts the object off when the window ends, and after `handle` (which may destroy
  // the control, this link with it) tells readers what changed.
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam,
                 const std::function<LRESULT()>& handle);
  // Tells readers what changed since the last look; Handle does it after every
  // message, a change made outside one calls it itself.
  void Update();

 private:
  LRESULT Answer(WPARAM wparam);
  void Disconnect();

  Window& window_;
  AccessibleControl& control_;
  ReaderObject* object_ = nullptr;
  AccessibleFacts last_;
  bool known_ = false;
  std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

}  // namespace hushwall
