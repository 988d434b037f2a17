// The quick help window: its logo and read-only help text that scrolls to the
// end, one window at most, and the skinned Ok button and Escape closing it.
#include "ui/windows/help_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "controls/button/button_win32.h"
#include "support/keyboard_focus.h"
#include "support/message_pump.h"
#include "ui/windows/info_texts.h"

namespace hushwall {
namespace {

std::string TextOf(HWND window) {
  std::string text(GetWindowTextLengthA(window) + 1, '\0');
  text.resize(GetWindowTextA(window, text.data(), int(text.size())));
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    help_ = holder_.Open(owner_);
    ASSERT_NE(help_, nullptr);
    window_ = help_->Handle();
  }
  void TearDown() override { DestroyWindow(owner_); }

  HWND Control(const char* name) const { return help_->Controls().Control(name); }
  // The label's text colour and background mode as it would paint now.
  std::pair<COLORREF, int> LookOf(const char* label) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Control(label)));
    const std::pair<COLORREF, int> look{GetTextColor(dc), GetBkMode(dc)};
    DeleteDC(dc);
    return look;
  }

  SecondaryWindowHolder<HelpWindow> holder_;
  HWND owner_ = nullptr;
  HelpWindow* help_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(HelpWindowTest, LogoLettersStandOnTheFrameInTheirColours) {
  struct Letter {
    const char* name;
    COLORREF colour;
  } letters[] = {{"lblLogo(0)", RGB(0, 0, 255)}, {"lblLogo(1)", RGB(255, 0, 0)},
                 {"lblLogo(2)", RGB(0, 0, 255)}, {"lblLogo(3)", RGB(255, 0, 0)}};
  for (const Letter& letter : letters) {
    SCOPED_TRACE(letter.name);
    ASSERT_EQ(GetParent(Control(letter.name)), Control("Frame1"));
    const auto [colour, mode] = LookOf(letter.name);
    EXPECT_EQ(colour, letter.colour);
    EXPECT_EQ(mode, TRANSPARENT);
  }
  EXPECT_EQ(LookOf("Label14").second, OPAQUE) << "other labels keep their background";
}

TEST_F(HelpWindowTest, HelpTextIsReadOnlyAndScrollsToItsLastParagraph) {
  HWND text = Control("Text1");
  ASSERT_NE(text, nullptr);
  ASSERT_EQ(TextOf(text), help_texts::kHelpText);
  const LONG style = GetWindowLongA(text, GWL_STYLE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & WS_VSCROLL);

  SetFocus(text);
  for (char typed : std::string("xy\b")) SendMessageA(text, WM_CHAR, typed, 0);
  SendMessageA(text, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageA(text, WM_PASTE, 0, 0);
  EXPECT_EQ(TextOf(text), help_texts::kHelpText) << "typing changes nothing";

  const int lines = int(SendMessageA(text, EM_GETLINECOUNT, 0, 0));
  EXPECT_EQ(SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SendMessageA(text, WM_VSCROLL, SB_BOTTOM, 0);
  const int first_visible = int(SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_GT(first_visible, 0) << "the text is longer than its box";
  // The last line (of the last paragraph) is now in view.
  RECT box{};
  GetClientRect(text, &box);
  const LRESULT last_char = SendMessageA(text, EM_LINEINDEX, lines - 1, 0);
  const LRESULT position = SendMessageA(text, EM_POSFROMCHAR, last_char, 0);
  const int y = short(HIWORD(position));
  EXPECT_GE(y, 0);
  EXPECT_LT(y, box.bottom);
}

TEST_F(HelpWindowTest, OneOwnedWindow) {
  EXPECT_EQ(holder_.Open(owner_), help_);
  EXPECT_EQ(FindWindowA("HushWallHelp", nullptr), window_);
  EXPECT_EQ(FindWindowExA(nullptr, window_, "HushWallHelp", nullptr), nullptr);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), owner_);
}

TEST_F(HelpWindowTest, SkinnedOkButtonAndEscapeCloseIt) {
  HWND ok = Control("cmdCLOSE");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ClassOf(ok), "MyButton");
  EXPECT_EQ(TextOf(ok), "Ok");
  auto* button = dynamic_cast<MyButtonWindow*>(CustomControlOf(ok));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Core().AccessKey(), "");
  EXPECT_EQ(button->Core().SkinPictureName(), "MyButtonDefSkin");

  PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(test::PumpUntil([&] { return !holder_.IsOpen(); }));

  help_ = holder_.Open(owner_);
  ASSERT_NE(help_, nullptr);
  PostMessageA(help_->Controls().Control("Text1"), WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return !holder_.IsOpen(); }));
}

TEST_F(HelpWindowTest, TabLeavesTheTextForOkAndEnterOnOkCloses) {
  test::ExpectKeyboardFocus(window_, Control("Text1"), Control("cmdCLOSE"));
  test::PressKey(VK_RETURN);
  EXPECT_TRUE(test::PumpUntil([&] { return !holder_.IsOpen(); }));
}

}  // namespace
}  // namespace hushwall
