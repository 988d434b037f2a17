#include "ui/windows/link_opener_win32.h"

#include <shellapi.h>

#include <utility>

namespace hushwall {

ShellLinkOpener::ShellLinkOpener(Execute execute) : execute_(std::move(execute)) {
  if (!execute_)
    execute_ = [](HWND owner, const char* verb, const char* file, const char* parameters, const char* folder,
                  int show) { ShellExecuteA(owner, verb, file, parameters, folder, show); };
}

void ShellLinkOpener::Open(HWND owner, const std::string& target) {
  // No verb: whatever the desktop has as the default for the address runs, not
  // necessarily "open". The result is not checked, as the window has no message for a
  // link nothing can open.
  execute_(owner, nullptr, target.c_str(), nullptr, "c:\\", SW_SHOWNORMAL);
}

}  // namespace hushwall
