#include "ui/windows/link_opener_win32.h"

#include <shellapi.h>

namespace hushwall {

void ShellLinkOpener::Open(HWND owner, const std::string& target) {
  // The default verb of a URL protocol is "open"; the result is not checked, as the
  // window has no message for a link nothing can open.
  ShellExecuteA(owner, "open", target.c_str(), nullptr, "c:\\", SW_SHOWNORMAL);
}

}  // namespace hushwall
