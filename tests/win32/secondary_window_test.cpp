// Modeless secondary windows: one of a kind, owned (no taskbar button), Escape
// closes them, and they go with the program without their own close handling.
#include "platform/secondary_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "support/message_pump.h"

namespace hushwall {
namespace {

class TestSecondary : public SecondaryWindow {
 public:
  static inline int loads = 0;
  static inline int closes_handled = 0;
  static inline int destroyed = 0;
  static inline std::function<void()> on_command;
  ~TestSecondary() override { ++destroyed; }

  bool Load(HWND owner) override {
    ++loads;
    RegisterClassOnce("HushWallTestSecondary");
    if (!Create("HushWallTestSecondary", "Secondary", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 40, 40,
                200, 120, owner, nullptr))
      return false;
    button = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 80, 24, Handle(),
                             reinterpret_cast<HMENU>(100), GetModuleHandleA(nullptr), nullptr);
    EnableDialogKeys();
    return true;
  }
  HWND button = nullptr;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL)) ++closes_handled;
    if (message == WM_COMMAND && LOWORD(wparam) == 100 && on_command) on_command();
    return SecondaryWindow::HandleMessage(message, wparam, lparam);
  }
};

class SecondaryWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestSecondary::loads = 0;
    TestSecondary::closes_handled = 0;
    TestSecondary::destroyed = 0;
    owner_ = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }
  HWND owner_ = nullptr;
};

TEST_F(SecondaryWindowTest, OpeningTwiceShowsTheOneOwnedWindow) {
  SecondaryWindowHolder<TestSecondary> holder;
  TestSecondary* first = holder.Open(owner_);
  ASSERT_NE(first, nullptr);
  TestSecondary* second = holder.Open(owner_);
  EXPECT_EQ(first, second);
  EXPECT_EQ(TestSecondary::loads, 1);
  EXPECT_TRUE(IsWindowVisible(first->Handle()));
  EXPECT_EQ(GetWindow(first->Handle(), GW_OWNER), owner_) << "owned: no taskbar button";
  EXPECT_FALSE(GetWindowLongA(first->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(SecondaryWindowTest, EscapeClosesItAndTheNextOpenLoadsItAgain) {
  SecondaryWindowHolder<TestSecondary> holder;
  TestSecondary* window = holder.Open(owner_);
  ASSERT_NE(window, nullptr);
  PostMessageA(window->button, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return !holder.IsOpen(); }));
  EXPECT_EQ(TestSecondary::closes_handled, 1);
  EXPECT_EQ(holder.Get(), nullptr);

  ASSERT_NE(holder.Open(owner_), nullptr);
  EXPECT_EQ(TestSecondary::loads, 2);
}

TEST_F(SecondaryWindowTest, GoesWithItsHolderWithoutItsOwnCloseHandling) {
  HWND handle = nullptr;
  {
    SecondaryWindowHolder<TestSecondary> holder;
    handle = holder.Open(owner_)->Handle();
  }
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(TestSecondary::closes_handled, 0);
}

TEST_F(SecondaryWindowTest, ReopeningKeepsTheObjectWhoseHandlerStillRuns) {
  SecondaryWindowHolder<TestSecondary> holder;
  TestSecondary* first = holder.Open(owner_);
  TestSecondary::on_command = [&] {
    DestroyWindow(first->Handle());
    EXPECT_NE(holder.Open(owner_), nullptr);
    EXPECT_EQ(TestSecondary::destroyed, 0) << "the object under the handler";
  };
  SendMessageA(first->Handle(), WM_COMMAND, 100, 0);
  TestSecondary::on_command = nullptr;
}

}  // namespace
}  // namespace hushwall
