// The MyButton window class: messages in, events and reports out, the skin found on
// the host, and the failure path ending in the plain look.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/button/button_win32.h"
#include "platform/control_error.h"
#include "platform/layout.h"
#include "platform/picture_box_win32.h"
#include "support/button_host_window.h"
#include "support/dib_surface.h"

namespace hushwall {
namespace {

using testing::DibSurface;
using Lines = std::vector<std::string>;

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

LPARAM KeyData(UINT vk, bool up) {
  const UINT scan = MapVirtualKeyA(vk, 0);
  return 1 | (LPARAM(scan) << 16) | (up ? (LPARAM(3) << 30) : 0);
}

// A bitmap of one colour, to make skins of any size.
HBITMAP SolidBitmap(int width, int height, COLORREF colour) {
  DibSurface paint(width, height, colour);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(paint.Dc());
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, paint.Dc(), 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

class EventLog : public ButtonEvents {
 public:
  void Click() override { lines.push_back("Click"); }
  void MouseHover() override { lines.push_back("MouseHover"); }
  void MouseOut() override { lines.push_back("MouseOut"); }
  void MouseDown(std::int16_t& b, std::int16_t&, float&, float&) override {
    lines.push_back("MouseDown " + std::to_string(b));
  }
  void MouseMove(std::int16_t&, std::int16_t&, float&, float&) override { lines.push_back("MouseMove"); }
  void MouseUp(std::int16_t& b, std::int16_t&, float&, float&) override {
    lines.push_back("MouseUp " + std::to_string(b));
  }
  void KeyPress(std::int16_t& key) override { lines.push_back("KeyPress " + std::to_string(key)); }
  void KeyDown(std::int16_t& key, std::int16_t&) override {
    lines.push_back("KeyDown " + std::to_string(key));
  }
  void KeyUp(std::int16_t& key, std::int16_t&) override { lines.push_back("KeyUp " + std::to_string(key)); }
  Lines lines;
};

class ButtonWindowTest : public ::testing::Test {
 protected:
  // One shown host for all tests: hiding a top-level window under Wine without a
  // window manager waits for the X server, so it is done once.
  static void SetUpTestSuite() {
    host_window_ = std::make_unique<testing::ButtonHostWindow>(true);
    window_ = host_window_->Handle();
  }

  static void TearDownTestSuite() { host_window_.reset(); }

  void SetUp() override {
    ASSERT_NE(window_, nullptr);
    host_.OnPropertyChanged([this](const std::string& control, std::string_view key) {
      reports_.push_back(control + "." + std::string(key));
    });
    skin_ = host_window_->AddSkin(nullptr, kDefaultSkinName, 150);
    ASSERT_NE(skin_, nullptr);
    button_ = std::make_unique<MyButtonWindow>(host_, "cmdOk");
    ASSERT_TRUE(button_->Create(20, 20, 100, 30, 1));
    button_->SetEvents(&events_);
    UpdateWindow(window_);
    Pump();
    reports_.clear();
  }

  void TearDown() override { button_.reset(); }

  // Delivers what is queued the way a host's loop does, with dialog navigation.
  void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessageA(window_, &message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
  }

  void PostKey(HWND target, UINT vk) {
    // One at a time: the character a key-down makes is queued behind anything
    // already waiting.
    PostMessageA(target, WM_KEYDOWN, vk, KeyData(vk, false));
    Pump();
    PostMessageA(target, WM_KEYUP, vk, KeyData(vk, true));
    Pump();
  }

  HWND ButtonHandle() const { return button_->Handle(); }
  MyButton& Core() { return button_->Core(); }

  static inline std::unique_ptr<testing::ButtonHostWindow> host_window_;
  static inline HWND window_ = nullptr;
  ControlHostWin32& host_ = host_window_->Host();
  PictureBox* skin_ = nullptr;
  std::unique_ptr<MyButtonWindow> button_;
  EventLog events_;
  Lines reports_;
};

TEST_F(ButtonWindowTest, RegisteredClassStylesAndCaption) {
  char class_name[32] = {};
  GetClassNameA(ButtonHandle(), class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "MyButton");
  EXPECT_TRUE(GetClassLongA(ButtonHandle(), GCL_STYLE) & CS_DBLCLKS);
  EXPECT_TRUE(GetWindowLongA(ButtonHandle(), GWL_STYLE) & WS_TABSTOP);

  char text[64] = {};
  GetWindowTextA(ButtonHandle(), text, sizeof text);
  EXPECT_STREQ(text, "cmdOk");  // a new button is captioned with its own name
  Core().SetText("&Ok");
  GetWindowTextA(ButtonHandle(), text, sizeof text);
  EXPECT_STREQ(text, "&Ok");
  EXPECT_EQ(reports_, (Lines{"cmdOk.Text", "cmdOk.AccessKey"}));

  // Text set from outside goes through the property.
  reports_.clear();
  SetWindowTextA(ButtonHandle(), "&Cancel");
  EXPECT_EQ(Core().Text(), "&Cancel");
  EXPECT_EQ(Core().AccessKey(), "C");
  EXPECT_EQ(reports_, (Lines{"cmdOk.Text", "cmdOk.AccessKey"}));
  EXPECT_EQ(Core().hwnd(), reinterpret_cast<std::uintptr_t>(ButtonHandle()));
}

TEST_F(ButtonWindowTest, ShowingAttachesTheSkinFromTheHostsPictureBox) {
  ASSERT_NE(Core().SkinPicture(), nullptr);
  EXPECT_EQ(Core().SkinPicture()->TypeName(), "PictureBox");
  EXPECT_EQ(Core().SkinPicture()->Name(), "MyButtonDefSkin");
  EXPECT_EQ(Core().DrawnState(), kNormal);
}

TEST_F(ButtonWindowTest, LookupFindsButtonsAndNamedControlsButOnlyPictureBoxesSkin) {
  HWND label = CreateWindowExA(0, "STATIC", "title", WS_CHILD, 0, 0, 10, 10, window_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  host_.NameControl(label, "lblTitle", "Label");
  EXPECT_EQ(host_.FindControl("LBLTITLE")->TypeName(), "Label");
  EXPECT_EQ(host_.FindControl("cmdok")->TypeName(), "MyButton");
  EXPECT_EQ(host_.FindControl("picNone"), nullptr);
  try {
    Core().SetSkinPicture(host_.FindControl("lblTitle"));
    ADD_FAILURE() << "a label was taken as a skin";
  } catch (const ControlError& error) {
    EXPECT_EQ(error.Number(), 5);
    EXPECT_EQ(error.Source(), "MyButton::SkinPicture");
  }
  reports_.clear();
  Core().SetSkinPictureName("lblTitle");  // silently ignored
  EXPECT_EQ(Core().SkinPictureName(), "MyButtonDefSkin");
  EXPECT_TRUE(reports_.empty());
}

TEST_F(ButtonWindowTest, PressAndReleaseInsideClicksWithCaptureAndFocus) {
  int clicks = 0;
  button_->OnClick([&] { ++clicks; });
  SendMessageA(ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
  EXPECT_EQ(GetFocus(), ButtonHandle());
  EXPECT_EQ(GetCapture(), ButtonHandle());
  EXPECT_EQ(Core().DrawnState(), kPressed);
  SendMessageA(ButtonHandle(), WM_LBUTTONUP, 0, Point(50, 15));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Core().DrawnState(), kFocused);
  EXPECT_EQ(GetCapture(), ButtonHandle());  // kept until a move outside
  SendMessageA(ButtonHandle(), WM_MOUSEMOVE, 0, Point(-5, 15));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(events_.lines, (Lines{"MouseDown 1", "MouseMove", "MouseUp 1", "Click", "MouseMove",
                                  "MouseOut"}));
}

TEST_F(ButtonWindowTest, ReleaseOutsideAndRightButtonDoNotClick) {
  int clicks = 0;
  button_->OnClick([&] { ++clicks; });
  SendMessageA(ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
  SendMessageA(ButtonHandle(), WM_MOUSEMOVE, MK_LBUTTON, Point(150, 15));
  EXPECT_EQ(Core().DrawnState(), kHover);
  SendMessageA(ButtonHandle(), WM_LBUTTONUP, 0, Point(150, 15));
  SendMessageA(ButtonHandle(), WM_RBUTTONDOWN, MK_RBUTTON, Point(100, 30));  // on the far edge
  SendMessageA(ButtonHandle(), WM_RBUTTONUP, 0, Point(100, 30));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(events_.lines, (Lines{"MouseDown 1", "MouseMove", "MouseMove", "MouseHover", "MouseUp 1",
                                  "MouseDown 2", "MouseMove", "MouseHover", "MouseUp 2"}));
  EXPECT_EQ(Core().DrawnState(), kNormal);
}

TEST_F(ButtonWindowTest, DoubleClickClicksOncePerRelease) {
  int clicks = 0;
  button_->OnClick([&] { ++clicks; });
  SendMessageA(ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
  SendMessageA(ButtonHandle(), WM_LBUTTONUP, 0, Point(10, 10));
  SendMessageA(ButtonHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(10, 10));
  EXPECT_EQ(Core().DrawnState(), kPressed);
  SendMessageA(ButtonHandle(), WM_LBUTTONUP, 0, Point(10, 10));
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonWindowTest, DialogNavigationLeavesEnterAndSpaceToTheButtonAndTabToTheHost) {
  MyButtonWindow second(host_, "cmdCancel");
  ASSERT_TRUE(second.Create(140, 20, 100, 30, 2));
  int clicks = 0;
  button_->OnClick([&] { ++clicks; });
  SetFocus(ButtonHandle());
  Pump();
  events_.lines.clear();

  PostKey(ButtonHandle(), VK_SPACE);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(events_.lines, (Lines{"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"}));
  EXPECT_EQ(Core().DrawnState(), kFocused);

  events_.lines.clear();
  PostKey(ButtonHandle(), VK_RETURN);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(events_.lines, (Lines{"KeyDown 13", "KeyPress 13", "Click", "KeyUp 13"}));

  PostKey(ButtonHandle(), VK_TAB);
  EXPECT_EQ(GetFocus(), second.Handle());
  EXPECT_EQ(Core().DrawnState(), kNormal);  // focus lost
  EXPECT_EQ(second.Core().DrawnState(), kFocused);
}

TEST_F(ButtonWindowTest, EnabledPropertyAndEnableWindowBothRepaintAndReport) {
  Core().SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(ButtonHandle()));
  EXPECT_EQ(Core().DrawnState(), kDisabled);
  EXPECT_EQ(reports_, (Lines{"cmdOk.Enabled"}));
  reports_.clear();
  EnableWindow(ButtonHandle(), TRUE);
  EXPECT_TRUE(Core().Enabled());
  EXPECT_EQ(Core().DrawnState(), kNormal);
  EXPECT_EQ(reports_, (Lines{"cmdOk.Enabled"}));
}

TEST_F(ButtonWindowTest, PropertyChangesAreReportedUnderTheirKeys) {
  Core().SetSizeCW(4);
  Core().SetDrawFocus(2);
  Core().SetFontBold(true);
  EXPECT_THROW(Core().SetPicturePos(40000), ControlError);
  Core().SetMousePointer(11);
  EXPECT_EQ(reports_, (Lines{"cmdOk.SizeCW", "cmdOk.DrawFocus", "cmdOk.Font", "cmdOk.MousePointer"}));
  // The font reaches the window.
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(ButtonHandle(), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
}

TEST_F(ButtonWindowTest, NarrowSkinFailsSilentlyIntoThePlainLook) {
  // Frames 6 wide with 3-pixel corners: the middle piece has no width.
  PictureBox narrow("picNarrow");
  ASSERT_TRUE(narrow.SetImage(SolidBitmap(30, 21, RGB(0, 0, 255))));
  ASSERT_TRUE(narrow.Create(window_, 0, 0, false));
  Core().SetText("");
  Core().SetFillWithColor(false);
  EXPECT_NO_THROW(Core().SetSkinPictureName("picNarrow"));
  EXPECT_EQ(Core().SkinPicture(), nullptr);
  EXPECT_EQ(Core().SkinPictureName(), "picNarrow");

  DibSurface picture(100, 30, RGB(1, 2, 3));
  SendMessageA(ButtonHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) ASSERT_EQ(picture.Pixel(x, y), face) << x << "," << y;
  }
}

TEST_F(ButtonWindowTest, LoadedButtonReportsNothingAndFindsItsSkinWhenShown) {
  const Layout layout = ParseLayout(
      "[Command1]\n"
      "SPN = \"MyButtonDefSkin\"\n"
      "Text = \"&Ok\"\n"
      "AccessKey = \"O\"\n"
      "Font = Font(\"MS Sans Serif\", 8.25, bold)\n");
  MyButtonWindow loaded(host_, "Command1");
  ASSERT_TRUE(loaded.Create(20, 60, 80, 25, 3, layout.Find("Command1"), false));
  EXPECT_EQ(reports_, Lines{"Command1.MouseIcon"});
  EXPECT_EQ(loaded.Core().SkinPicture(), nullptr);  // not before a showing
  EXPECT_TRUE(loaded.Core().FontBold());
  char text[16] = {};
  GetWindowTextA(loaded.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "&Ok");

  ShowWindow(loaded.Handle(), SW_SHOWNA);
  UpdateWindow(loaded.Handle());
  ASSERT_NE(loaded.Core().SkinPicture(), nullptr);

  PropertyBag saved;
  loaded.Core().WriteProperties(saved);
  Layout again;
  again.Section("Command1") = saved;
  EXPECT_EQ(FormatLayout(again), FormatLayout(layout));
}

TEST_F(ButtonWindowTest, SkinDroppedByAFailureReturnsWhenTheHostIsShownAgain) {
  Core().SetFillWithColor(false);
  Core().SetSizeCW(15);  // the redraw finds 30 - 2 x 15 = 0 columns in the middle source
  ASSERT_EQ(Core().SkinPicture(), nullptr);
  Core().SetSizeCW(3);
  host_.WindowShown();
  UpdateWindow(ButtonHandle());
  EXPECT_NE(Core().SkinPicture(), nullptr);
}

TEST_F(ButtonWindowTest, RenderedSkinFillsTheMiddleWithSkinPixelFourFour) {
  Core().SetText("");
  DibSurface picture(100, 30);
  button_->RenderState(picture.Dc(), kNormal);
  const COLORREF middle = skin_->Pixel(4, 4);
  for (auto [x, y] : {std::pair{3, 3}, {50, 15}, {96, 26}}) {
    EXPECT_EQ(picture.Pixel(x, y), middle) << x << "," << y;
  }
  EXPECT_EQ(picture.Pixel(50, 0), skin_->Pixel(3 + 47 % 24, 0));  // top edge, second tile
}

TEST_F(ButtonWindowTest, RepaintShowsTheKeptImageWhenTheStateIsNotPainted) {
  SendMessageA(ButtonHandle(), WM_MOUSEMOVE, 0, Point(50, 15));
  ASSERT_EQ(Core().DrawnState(), kHover);
  Core().SetDisableHover(true);  // the hover look is now never painted, yet it is kept
  DibSurface picture(100, 30, RGB(1, 2, 3));
  SendMessageA(ButtonHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
  // Top edge of frame 3: column 50 is 47 into tiles of 24 from skin column 63.
  EXPECT_EQ(picture.Pixel(50, 1), skin_->Pixel(63 + 47 % 24, 1));
}

TEST_F(ButtonWindowTest, ClickHandlerMayDestroyTheButton) {
  button_->OnClick([&] { button_.reset(); });
  SendMessageA(ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
  SendMessageA(ButtonHandle(), WM_LBUTTONUP, 0, Point(50, 15));
  EXPECT_EQ(button_, nullptr);
  EXPECT_EQ(events_.lines.back(), "Click");
}

TEST_F(ButtonWindowTest, EventReceiverMayDestroyTheButtonBeforeTheClickHandler) {
  struct Destroyer : EventLog {
    explicit Destroyer(std::unique_ptr<MyButtonWindow>& button) : button(button) {}
    void Click() override { button.reset(); }
    std::unique_ptr<MyButtonWindow>& button;
  } destroyer(button_);
  int clicks = 0;
  button_->SetEvents(&destroyer);
  button_->OnClick([&] { ++clicks; });
  SendMessageA(ButtonHandle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
  SendMessageA(ButtonHandle(), WM_LBUTTONUP, 0, Point(50, 15));
  EXPECT_EQ(button_, nullptr);
  EXPECT_EQ(clicks, 0);  // the handler went with the button
}

}  // namespace
}  // namespace hushwall
