// Control tables: skinned buttons declared like standard controls, on the window and
// inside a pane, and the one lookup by name over every kind of control.
#include <gtest/gtest.h>

#include <string>

#include "controls/button/button_win32.h"
#include "platform/form_win32.h"
#include "support/button_host_window.h"

namespace hushwall {
namespace {

const FontDescription kBold{"Tahoma", 9.75f, true};

const ControlDefinition kTable[] = {
    {"fraOptions", ControlKind::Pane, "", nullptr, 120, 120, 3000, 1500, true, 1, {}, 10},
    {"cmdOnWindow", ControlKind::SkinnedButton, "&Close", nullptr, 3240, 125, 1215, 375, true, 0,
     kBold, 11, "picSkin"},
    {"cmdInPane", ControlKind::SkinnedButton, "Apply", "fraOptions", 120, 240, 1200, 370, false, 0,
     {}, 12},
};

std::string TextOf(HWND window) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The window's place in its parent's client area, in pixels.
RECT PlaceInParent(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MyButtonWindow::Register();
    ASSERT_NE(window_, nullptr);
    skin_ = host_window_.AddSkin(nullptr, "picSkin", 250);
    ASSERT_NE(skin_, nullptr);
    Controls().CreateControls(window_, kTable);
  }

  Form& Controls() { return host_.Controls(); }

  testing::ButtonHostWindow host_window_;
  HWND window_ = host_window_.Handle();
  ControlHostWin32& host_ = host_window_.Host();
  PictureBox* skin_ = nullptr;
};

TEST_F(FormTest, SkinnedButtonsComeFromTheTableOnTheWindowAndInsidePanes) {
  struct Case {
    const char* name;
    HWND parent;
    const char* caption;
    bool visible;
    const char* skin;
  } cases[] = {
      {"cmdOnWindow", window_, "&Close", true, "picSkin"},
      {"cmdInPane", Controls().Control("fraOptions"), "Apply", false, kDefaultSkinName},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND button = Controls().Control(c.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ClassOf(button), "MyButton");
    EXPECT_EQ(GetParent(button), c.parent);
    EXPECT_EQ(TextOf(button), c.caption);
    EXPECT_EQ((GetWindowLongA(button, GWL_STYLE) & WS_VISIBLE) != 0, c.visible);

    const ControlDefinition& declared = *Controls().Definition(button);
    const int dpi = Controls().Dpi();
    const RECT place = PlaceInParent(button);
    EXPECT_EQ(place.left, TwipsToPixels(declared.left, dpi));
    EXPECT_EQ(place.top, TwipsToPixels(declared.top, dpi));
    EXPECT_EQ(place.right - place.left, TwipsToPixels(declared.width, dpi));
    EXPECT_EQ(place.bottom - place.top, TwipsToPixels(declared.height, dpi));

    auto* object = dynamic_cast<MyButtonWindow*>(CustomControlOf(button));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Core().SkinPictureName(), c.skin);
    EXPECT_EQ(object->Core().Font(), declared.font);
  }
  // The declared font reaches the window too.
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Controls().Control("cmdOnWindow"), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_STREQ(font.lfFaceName, "Tahoma");
}

TEST_F(FormTest, OneLookupFindsEveryKindWithoutRegardToCase) {
  HWND label = CreateWindowExA(0, "STATIC", "note", WS_CHILD, 0, 0, 10, 10, window_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  host_.NameControl(label, "lblNote", "Label");
  struct Case {
    const char* asked;
    HWND handle;
    const char* type_name;
  } cases[] = {
      {"FRAOPTIONS", GetDlgItem(window_, 10), "Frame"},
      {"cmdinpane", Controls().Control("cmdInPane"), "MyButton"},
      {"PicSkin", skin_->Handle(), "PictureBox"},
      {"LBLNOTE", label, "Label"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.asked);
    ASSERT_NE(c.handle, nullptr);
    EXPECT_EQ(Controls().Control(c.asked), c.handle);
    std::shared_ptr<HostedControl> found = host_.FindControl(c.asked);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->TypeName(), c.type_name);
  }
  EXPECT_EQ(Controls().Control("cmdNone"), nullptr);
  EXPECT_EQ(host_.FindControl("cmdNone"), nullptr);
}

}  // namespace
}  // namespace hushwall
