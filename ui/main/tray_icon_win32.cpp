#include "ui/main/tray_icon_win32.h"

#include <shellapi.h>

#include <cstddef>

namespace hushwall {

// The record goes to the shell as it is: it must be the first-version ANSI layout of
// this architecture.
static_assert(sizeof(TrayHandle) == sizeof(HWND) && sizeof(TrayHandle) == sizeof(HICON));
#ifdef _WIN64
static_assert(sizeof(TrayIconData) == 104);
#else
static_assert(sizeof(TrayIconData) == 88);
#endif
static_assert(NOTIFYICONDATAA_V1_SIZE == sizeof(TrayIconData));
static_assert(offsetof(NOTIFYICONDATAA, hWnd) == offsetof(TrayIconData, owner));
static_assert(offsetof(NOTIFYICONDATAA, uID) == offsetof(TrayIconData, id));
static_assert(offsetof(NOTIFYICONDATAA, uFlags) == offsetof(TrayIconData, flags));
static_assert(offsetof(NOTIFYICONDATAA, uCallbackMessage) == offsetof(TrayIconData, callback_message));
static_assert(offsetof(NOTIFYICONDATAA, hIcon) == offsetof(TrayIconData, icon));
static_assert(offsetof(NOTIFYICONDATAA, szTip) == offsetof(TrayIconData, tip));
static_assert((NIF_MESSAGE | NIF_ICON | NIF_TIP) == kTrayFlags);
static_assert(NIM_ADD == DWORD(TrayAction::kAdd) && NIM_MODIFY == DWORD(TrayAction::kModify) &&
              NIM_DELETE == DWORD(TrayAction::kDelete));
static_assert(WM_MOUSEMOVE == kTrayCallbackMessage);

namespace {
TrayHandle HandleValue(const void* handle) { return reinterpret_cast<TrayHandle>(handle); }
}  // namespace

bool TrayIcon::SetTrayIcon(TrayAction action, HWND owner, HICON icon, std::string_view tip) {
  FillTrayIconData(data_, HandleValue(owner), HandleValue(icon), tip);
  return Send(action);
}

bool TrayIcon::ChangeIcon(HICON icon) {
  StoreIcon(icon);
  return Send(TrayAction::kModify);
}

void TrayIcon::StoreIcon(HICON icon) { data_.icon = HandleValue(icon); }

bool TrayIcon::Send(TrayAction action) {
  return Shell_NotifyIconA(DWORD(action), reinterpret_cast<NOTIFYICONDATAA*>(&data_)) != FALSE;
}

}  // namespace hushwall
