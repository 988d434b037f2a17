#pragma once
// Hands a link's target to the desktop. The target is given as it is, never inside a
// command line, so an address can never become a command; tests put a recorder here.
#include <windows.h>

#include <functional>
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
  // ShellExecuteA's arguments: owner, verb, file, parameters, folder, show state.
  using Execute = std::function<void(HWND, const char*, const char*, const char*, const char*, int)>;
  // By default the shell itself; a test passes a recorder of the call.
  explicit ShellLinkOpener(Execute execute = nullptr);
  void Open(HWND owner, const std::string& target) override;

 private:
  Execute execute_;
};

}  // namespace hushwall
