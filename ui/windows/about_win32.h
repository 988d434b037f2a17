#pragma once
// frmAbout: the product title, a blinking version line, a picture, two web page links
// and a mail link, and an Ok button. Links turn navy under the pointer, show a hand
// pointer and open through a LinkOpener when clicked.
//
//   SecondaryWindowHolder<AboutWindow> about;  // ShellExecuteA behind the links
//   about.Open(main_window);                   // File > About
#include <windows.h>

#include <memory>

#include "controls/host/control_host_win32.h"
#include "platform/gdi_win32.h"
#include "platform/picture_box_win32.h"
#include "platform/secondary_window_win32.h"
#include "ui/windows/about_links.h"
#include "ui/windows/link_opener_win32.h"

namespace hushwall {

class AboutWindow : public SecondaryWindow {
 public:
  static constexpr UINT kBlinkIntervalMs = 500;

  // Without an opener the links go to the desktop's shell; without a blink state the
  // program-wide one is used, which lasts from one opening to the next.
  explicit AboutWindow(std::shared_ptr<LinkOpener> opener = nullptr, VersionBlink* blink = nullptr);
  ~AboutWindow() override;

  bool Load(HWND owner) override;

  // The window's controls by name ("Label6", "Command1", ...).
  const Form& Controls() const { return host_.Controls(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC dc) override;

 private:
  void CreateControls();
  void PlaceLinks();
  // The links are found where their labels are now.
  void DpiChanged(int) override { PlaceLinks(); }
  HWND LinkLabel(AboutLink link) const;
  AboutLink LinkUnderCursor() const;

  void Timer1_Timer();
  void OnPointerMove(int x, int y);
  void OnLinkClick(AboutLink link);
  bool OnSetCursor(HWND under, UINT hit_test);
  LRESULT OnLabelColour(HDC dc, HWND label);
  void Command1_Click();

  std::shared_ptr<LinkOpener> opener_;
  VersionBlink& blink_;
  ControlHostWin32 host_;
  PictureBox skin_;
  Bitmap picture_;  // lpAppImage
  LinkHighlight highlight_;
  AboutLink pressed_ = AboutLink::None;
};

}  // namespace hushwall
