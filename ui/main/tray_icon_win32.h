#pragma once
// The program's notification-area icon: one stored record (TrayIconData), filled by
// SetTrayIcon and handed to Shell_NotifyIconA. Picture changes (enable, disable,
// animation) store a new icon in the record and resend it with the modify action.
#include <windows.h>

#include <string_view>

#include "ui/main/tray_icon.h"

namespace hushwall {

class TrayIconPort {
 public:
  virtual ~TrayIconPort() = default;
  // Fills every field of the record (id 1, flags 7, callback 0x0200, the tip cut to
  // 63 characters) and sends it with the action: add, modify or delete. Returns what
  // the shell answered; the program itself has no use for it.
  virtual bool SetTrayIcon(TrayAction action, HWND owner, HICON icon, std::string_view tip) = 0;
  // Stores the icon and sends the record with the modify action.
  virtual bool ChangeIcon(HICON icon) = 0;
  // Stores the icon without telling the shell; the next send shows it.
  virtual void StoreIcon(HICON icon) = 0;
  // Sends the stored record unchanged, e.g. add again after the shell restarted.
  virtual bool Send(TrayAction action) = 0;
  virtual const TrayIconData& Data() const = 0;
};

class TrayIcon : public TrayIconPort {
 public:
  bool SetTrayIcon(TrayAction action, HWND owner, HICON icon, std::string_view tip) override;
  bool ChangeIcon(HICON icon) override;
  void StoreIcon(HICON icon) override;
  bool Send(TrayAction action) override;
  const TrayIconData& Data() const override { return data_; }

 private:
  TrayIconData data_;
};

// The mouse message of a callback from the shell (WM_LBUTTONDOWN, ...).
inline UINT TrayMouseMessage(LPARAM lparam) { return TrayMouseMessage(std::uint32_t(lparam)); }

}  // namespace hushwall
