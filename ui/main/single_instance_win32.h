#pragma once
// One HushWall per user session: a second start would add a second icon and a
// second engine that closes every window twice and overwrites the remove list file.
#include <windows.h>

#include "platform/handles_win32.h"

namespace hushwall {

class SingleInstance {
 public:
  // Claims the session's instance name.
  SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another HushWall already runs.
  bool IsFirst() const { return first_; }

  // Asks the running instance to show its main window and come forward. False when
  // its main window does not exist yet (it is still showing its splash).
  static bool BringRunningInstanceForward();

 private:
  KernelHandle mutex_;
  bool first_ = true;
};

}  // namespace hushwall
