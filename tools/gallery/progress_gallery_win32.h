#pragma once
// The progress bar's page of the gallery: its directions, fades, blend rules, caption
// places and texts and border styles, and one bar that keeps moving from Min to Max.
#include <windows.h>

#include <memory>
#include <vector>

#include "controls/host/control_host_win32.h"
#include "controls/progress/progress_window_win32.h"
#include "platform/window_win32.h"

namespace hushwall {

class ProgressGalleryWindow : public Window {
 public:
  bool Create();
  // Starts the moving bar on a timer.
  void StartLive();
  // Moves it by `ticks` timer ticks at once.
  void StepLive(int ticks = 1);
  MProgressWindow& LiveBar() { return *live_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void PlaceRows();

  ControlHostWin32 host_;
  std::vector<std::unique_ptr<MProgressWindow>> bars_;
  MProgressWindow* live_ = nullptr;
};

}  // namespace hushwall
