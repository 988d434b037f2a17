#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "support/message_pump.h"
#include "ui/main/tray_icon_win32.h"

namespace hushwall {
namespace {

struct Callback {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};
std::vector<Callback> g_callbacks;
WNDPROC g_button_procedure = nullptr;

// The owner is a hidden check box, as in the main window; it records what the shell sends.
LRESULT CALLBACK RecordingCheckBox(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kTrayCallbackMessage) g_callbacks.push_back({message, wparam, lparam});
  return CallWindowProcA(g_button_procedure, window, message, wparam, lparam);
}

BOOL CALLBACK CollectTrayIconWindows(HWND window, LPARAM found) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strstr(name, "tray_icon")) reinterpret_cast<std::set<HWND>*>(found)->insert(window);
  EnumChildWindows(window, CollectTrayIconWindows, found);
  return TRUE;
}

// The windows that show notification-area icons (Wine's own tray).
std::set<HWND> TrayIconWindows() {
  std::set<HWND> found;
  EnumWindows(CollectTrayIconWindows, reinterpret_cast<LPARAM>(&found));
  return found;
}

class TrayIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_callbacks.clear();
    main_ = CreateWindowExA(0, "STATIC", "tray test", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    owner_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 200, 20, 20, main_,
                             nullptr, nullptr, nullptr);
    ASSERT_TRUE(owner_);
    g_button_procedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(owner_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingCheckBox)));
    enabled_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GREEN_IMG));
    disabled_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_RED_IMG));
    ASSERT_TRUE(enabled_);
    ASSERT_TRUE(disabled_);
  }
  void TearDown() override {
    tray_.Send(TrayAction::kDelete);
    DestroyWindow(main_);
  }

  HWND main_ = nullptr;
  HWND owner_ = nullptr;
  HICON enabled_ = nullptr;
  HICON disabled_ = nullptr;
  TrayIcon tray_;
};

TEST_F(TrayIconTest, TheShellTakesTheRecordToAddChangeAndDeleteTheIcon) {
  ASSERT_TRUE(tray_.SetTrayIcon(TrayAction::kAdd, owner_, enabled_, "HushWall"));

  // What the shell received is the first-version ANSI record.
  const auto& sent = reinterpret_cast<const NOTIFYICONDATAA&>(tray_.Data());
  EXPECT_EQ(sent.cbSize, DWORD(NOTIFYICONDATAA_V1_SIZE));
  EXPECT_EQ(sent.hWnd, owner_);
  EXPECT_EQ(sent.uID, 1u);
  EXPECT_EQ(sent.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(sent.uCallbackMessage, UINT(WM_MOUSEMOVE));
  EXPECT_EQ(sent.hIcon, enabled_);
  EXPECT_STREQ(sent.szTip, "HushWall");

  EXPECT_TRUE(tray_.ChangeIcon(disabled_));
  EXPECT_EQ(sent.hIcon, disabled_);
  tray_.StoreIcon(enabled_);
  EXPECT_EQ(sent.hIcon, enabled_);
  EXPECT_TRUE(tray_.Send(TrayAction::kModify));
  EXPECT_TRUE(tray_.SetTrayIcon(TrayAction::kModify, owner_, disabled_, "HushWall"));

  EXPECT_TRUE(tray_.SetTrayIcon(TrayAction::kDelete, owner_, disabled_, "HushWall"));
  EXPECT_FALSE(tray_.Send(TrayAction::kModify)) << "the icon is gone";
  EXPECT_FALSE(tray_.Send(TrayAction::kDelete));

  // As after a restart of the shell: the stored record adds the icon again.
  EXPECT_TRUE(tray_.Send(TrayAction::kAdd));
  EXPECT_TRUE(tray_.Send(TrayAction::kDelete));
}

TEST_F(TrayIconTest, MouseActivityOnTheIconReachesTheOwnerInTheLowWord) {
  // Find the window that shows our icon: the one that appears when it is added.
  // Other programs may add icons at the same time, so retry until exactly one appears.
  HWND icon_window = nullptr;
  for (int attempt = 0; attempt < 5 && !icon_window; ++attempt) {
    const std::set<HWND> before = TrayIconWindows();
    ASSERT_TRUE(tray_.SetTrayIcon(TrayAction::kAdd, owner_, enabled_, "HushWall"));
    std::vector<HWND> added;
    test::PumpUntil([&] {
      added.clear();
      for (HWND window : TrayIconWindows()) {
        if (!before.count(window)) added.push_back(window);
      }
      return !added.empty();
    }, 3000);
    if (added.size() == 1) {
      icon_window = added[0];
    } else {
      tray_.Send(TrayAction::kDelete);
    }
  }
  ASSERT_TRUE(icon_window) << "no notification-area window shows the icon";

  const UINT clicks[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONUP};
  for (UINT click : clicks) PostMessageA(icon_window, click, 0, MAKELPARAM(4, 4));
  // Hovering may add mouse-move reports of its own; the clicks must arrive in order.
  std::vector<UINT> reported;
  auto collect = [&] {
    reported.clear();
    for (const Callback& callback : g_callbacks) {
      EXPECT_EQ(callback.wparam, WPARAM(1)) << "icon id";
      if (TrayMouseMessage(callback.lparam) != WM_MOUSEMOVE) reported.push_back(TrayMouseMessage(callback.lparam));
    }
    return reported.size() >= 3;
  };
  ASSERT_TRUE(test::PumpUntil(collect, 5000)) << "clicks reported: " << reported.size();
  EXPECT_EQ(reported, std::vector<UINT>(std::begin(clicks), std::end(clicks)));
}

}  // namespace
}  // namespace hushwall
