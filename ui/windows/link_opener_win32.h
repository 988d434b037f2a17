#pragma once
// Hands a link's target to the desktop. The target is given as it is, never inside a
// command line, so an address can never become a command; tests put a recorder here.
#include <windows.h>

#include <string>

namespace hushwall {

class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  // Opens `target` (a web page address or a "mailto:" address) with the program the
  // desktop has for it. Nothing is reported when there is none.
  virtual void Open(HWND owner, const std::string& target) = 0;
};

class ShellLinkOpener : public LinkOpener {
 public:
  void Open(HWND owner, const std::string& target) override;
};

}  // namespace hushwall
