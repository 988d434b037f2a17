// The About window: the blinking version line, links that turn navy under the
// pointer, show a hand and hand exactly their address to the opener, one window at
// most, and the skinned Ok button and Escape closing it.
#include "ui/windows/about_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/button/button_win32.h"
#include "support/keyboard_focus.h"
#include "support/message_pump.h"
#include "ui/windows/info_texts.h"

namespace hushwall {
namespace {

class RecordingOpener : public LinkOpener {
 public:
  void Open(HWND owner, const std::string& target) override {
    owners.push_back(owner);
    targets.push_back(target);
  }
  std::vector<HWND> owners;
  std::vector<std::string> targets;
};

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

POINT CentreInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

class AboutWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    about_ = holder_.Open(owner_);
    ASSERT_NE(about_, nullptr);
    window_ = about_->Handle();
  }
  void TearDown() override { DestroyWindow(owner_); }

  HWND Control(const char* name) const { return about_->Controls().Control(name); }
  void MovePointerOnto(POINT client) {
    SendMessageA(window_, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  }
  void MovePointerOnto(const char* control) { MovePointerOnto(CentreInParent(Control(control))); }
  // The label's text colour as it would paint now.
  COLORREF ColourOf(const char* label) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(label)));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
  }
  void Click(POINT client) {
    SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  }

  std::shared_ptr<RecordingOpener> opener_ = std::make_shared<RecordingOpener>();
  VersionBlink blink_;
  SecondaryWindowHolder<AboutWindow> holder_{[this] { return std::make_unique<AboutWindow>(opener_, &blink_); }};
  HWND owner_ = nullptr;
  AboutWindow* about_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(AboutWindowTest, VersionLineBlinksEveryHalfSecondStartingEmpty) {
  HWND line = Control("Label6");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(TextOf(line), "") << "right after opening";
  ASSERT_TRUE(test::PumpUntil([&] { return TextOf(line) == about_texts::kVersionLine; }, 3000));
  ASSERT_TRUE(test::PumpUntil([&] { return TextOf(line).empty(); }, 3000));
  ASSERT_TRUE(test::PumpUntil([&] { return TextOf(line) == about_texts::kVersionLine; }, 3000));
}

TEST_F(AboutWindowTest, PointerMovesHighlightTheLinkUnderItAlone) {
  const char* links[] = {"Label1", "Label5", "Label8"};
  struct Step {
    const char* onto;  // nullptr: the background
    const char* navy;  // nullptr: every link black
  } steps[] = {
      {"Label5", "Label5"}, {"Label8", "Label8"}, {"Label1", "Label1"},
      {"Label7", "Label1"},  // a plain label changes nothing
      {nullptr, nullptr},   {"Label8", "Label8"}, {nullptr, nullptr},
  };
  const POINT background{TwipsToPixels(4000, about_->Controls().Dpi()), TwipsToPixels(900, about_->Controls().Dpi())};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.onto ? step.onto : "background");
    if (step.onto) MovePointerOnto(step.onto); else MovePointerOnto(background);
    for (const char* link : links) {
      const bool navy = step.navy && std::string(step.navy) == link;
      EXPECT_EQ(ColourOf(link), navy ? RGB(0, 0, 128) : RGB(0, 0, 0)) << link;
    }
  }
}

TEST_F(AboutWindowTest, HandPointerOverLinksOnly) {
  const HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  ASSERT_NE(hand, nullptr);
  struct Case {
    const char* over;
    bool hand;
  } cases[] = {{"Label1", true}, {"Label5", true}, {"Label8", true}, {"Label7", false}, {"lbAppTitle", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.over);
    POINT at = CentreInParent(Control(c.over));
    ClientToScreen(window_, &at);
    ASSERT_TRUE(SetCursorPos(at.x, at.y));
    SetCursor(arrow);
    const LRESULT handled =
        SendMessageA(window_, WM_SETCURSOR, reinterpret_cast<WPARAM>(window_), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled != 0, c.hand);
    EXPECT_EQ(GetCursor() == hand, c.hand);
  }
}

TEST_F(AboutWindowTest, ClickingALinkHandsExactlyItsTargetToTheOpener) {
  struct Case {
    const char* link;
    std::string target;
  } cases[] = {
      {"Label5", about_texts::kFirstPage},
      {"Label8", about_texts::kSecondPage},
      {"Label1", std::string("mailto:") + about_texts::kMailAddress},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link);
    opener_->targets.clear();
    Click(CentreInParent(Control(c.link)));
    ASSERT_EQ(opener_->targets.size(), 1u);
    EXPECT_EQ(opener_->targets[0], c.target) << "the address itself, no command line around it";
    EXPECT_EQ(opener_->owners[0], window_);
  }
  // Pressed on one link and released on another, or on a plain label: no click.
  opener_->targets.clear();
  const POINT first = CentreInParent(Control("Label5")), second = CentreInParent(Control("Label8"));
  SendMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.x, first.y));
  SendMessageA(window_, WM_LBUTTONUP, 0, MAKELPARAM(second.x, second.y));
  Click(CentreInParent(Control("Label7")));
  EXPECT_TRUE(opener_->targets.empty());
}

TEST_F(AboutWindowTest, TheShellGetsEachLinkWithNoVerbSoItsDefaultRuns) {
  DestroyWindow(window_);
  std::vector<std::string> calls;
  auto shell = std::make_shared<ShellLinkOpener>(
      [&](HWND owner, const char* verb, const char* file, const char* parameters, const char* folder, int show) {
        calls.push_back(std::string(verb ? verb : "(default)") + " " + file + (parameters ? " +" : "") + " in " +
                        folder + (show == SW_SHOWNORMAL ? " shown" : " ?") + (owner == window_ ? "" : " unowned"));
      });
  SecondaryWindowHolder<AboutWindow> holder{[&] { return std::make_unique<AboutWindow>(shell, &blink_); }};
  about_ = holder.Open(owner_);
  ASSERT_NE(about_, nullptr);
  window_ = about_->Handle();
  for (const char* link : {"Label1", "Label5"}) Click(CentreInParent(Control(link)));
  EXPECT_EQ(calls, (std::vector<std::string>{
                       std::string("(default) mailto:") + about_texts::kMailAddress + " in c:\\ shown",
                       std::string("(default) ") + about_texts::kFirstPage + " in c:\\ shown"}));
}

TEST_F(AboutWindowTest, OneOwnedWindowCentredOnTheScreen) {
  EXPECT_EQ(holder_.Open(owner_), about_);
  EXPECT_EQ(FindWindowA("HushWallAbout", nullptr), window_);
  EXPECT_EQ(FindWindowExA(nullptr, window_, "HushWallAbout", nullptr), nullptr);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), owner_) << "owned: no taskbar button";
  RECT outer{};
  GetWindowRect(window_, &outer);
  EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(AboutWindowTest, SkinnedOkButtonWithAccessKeyAndBothWaysToClose) {
  HWND ok = Control("Command1");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ClassOf(ok), "MyButton");
  EXPECT_EQ(TextOf(ok), "&Ok");
  auto* button = dynamic_cast<MyButtonWindow*>(CustomControlOf(ok));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Core().AccessKey(), "O");
  EXPECT_NE(about_->Controls().Control("MyButtonDefSkin"), nullptr) << "the button's skin is on the window";

  // The button: a press and release over it.
  PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(test::PumpUntil([&] { return !holder_.IsOpen(); }));

  // Escape, through the message loop's dialog keys; the window loads anew.
  about_ = holder_.Open(owner_);
  ASSERT_NE(about_, nullptr);
  PostMessageA(about_->Controls().Control("Command1"), WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return !holder_.IsOpen(); }));
}

TEST_F(AboutWindowTest, OkHasTheFocusAndSpaceOnItCloses) {
  test::ExpectKeyboardFocus(window_, Control("Command1"), Control("Command1"));
  test::PressKey(VK_SPACE);
  EXPECT_TRUE(test::PumpUntil([&] { return !holder_.IsOpen(); }));
}

}  // namespace
}  // namespace hushwall
