#pragma once
// help: the quick help window. A logo of the product name, the version, release date
// and edition, the help text in a read-only box, and an Ok button that closes it.
//
//   SecondaryWindowHolder<HelpWindow> help;
//   help.Open(main_window);  // File > Help
#include <windows.h>

#include "controls/host/control_host_win32.h"
#include "platform/gdi_win32.h"
#include "platform/picture_box_win32.h"
#include "platform/secondary_window_win32.h"

namespace hushwall {

class HelpWindow : public SecondaryWindow {
 public:
  HelpWindow();
  bool Load(HWND owner) override;

  // The window's controls by name ("Text1", "cmdCLOSE", ...).
  const Form& Controls() const { return host_.Controls(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void CreateControls();
  void CreateHelpText();
  void PlaceHelpText(int dpi);
  void DpiChanged(int dpi) override { PlaceHelpText(dpi); }
  LRESULT OnLabelColour(HDC dc, HWND label);
  void cmdCLOSE_Click();

  ControlHostWin32 host_;
  PictureBox skin_;
  Font text_font_;  // Text1's
};

}  // namespace hushwall
