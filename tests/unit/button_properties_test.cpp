#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

#include "platform/control_error.h"
#include "platform/layout.h"
#include "support/button_fixture.h"

namespace hushwall {
namespace {

using testing::FakeSkin;
using testing::Journal;
using Lines = std::vector<std::string>;

class PropertiesTest : public testing::ButtonFixture {
 protected:
  PropertiesTest() {
    window.canvas.on_present = [this] { journal.push_back("paint"); };
    host.controls["lblTitle"] = std::make_shared<testing::FakeControl>("Label", "lblTitle");
  }
  Lines Run(const std::function<void()>& action) {
    journal.clear();
    action();
    return journal;
  }
  int ErrorNumber(const std::function<void()>& action, std::string* source = nullptr) {
    try {
      action();
    } catch (const ControlError& error) {
      if (source) *source = error.Source();
      return error.Number();
    }
    return 0;
  }
};

TEST_F(PropertiesTest, CreationDefaults) {
  host.control_name = "Command1";
  button.InitProperties();
  EXPECT_EQ(button.Text(), "Command1");
  EXPECT_EQ(window.caption, "Command1");
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  EXPECT_EQ(button.SkinPicture(), nullptr);  // found only when shown
  EXPECT_EQ(button.Font(), host.ambient_font);
  EXPECT_EQ(window.font, host.ambient_font);
  EXPECT_EQ(button.SizeCW(), 3);
  EXPECT_TRUE(button.FillWithColor());
  EXPECT_EQ(button.PictureTColor(), 0xFF00FFu);
  EXPECT_EQ(button.TextAlign(), 2);
  EXPECT_EQ(button.BackColor(), 0x8000000Fu);
  EXPECT_TRUE(host.reports.empty());
  EXPECT_EQ(button.DrawnState(), 0);
}

TEST_F(PropertiesTest, StoreRedrawReportOrderOfEachSetter) {
  button.InitProperties();
  struct Case {
    const char* member;
    std::function<void()> set;
    Lines expected;
  } cases[] = {
      {"SizeCW", [&] { button.SetSizeCW(4); }, {"report SizeCW", "paint"}},
      {"SizeCH", [&] { button.SetSizeCH(4); }, {"report SizeCH", "paint"}},
      {"FillWithColor", [&] { button.SetFillWithColor(false); }, {"paint", "report FillWithColor"}},
      {"Enabled", [&] { button.SetEnabled(false); }, {"paint", "report Enabled"}},
      {"TextColorEnabled", [&] { button.SetTextColorEnabled(1); }, {"paint", "report TextColorEnabled"}},
      {"TextColorDisabled", [&] { button.SetTextColorDisabled(1); }, {"paint", "report TextColorDisabled"}},
      {"TextColorDisabled2", [&] { button.SetTextColorDisabled2(1); }, {"paint", "report TextColorDisabled2"}},
      {"Font", [&] { button.SetFont(FontDescription{"Arial", 10}); }, {"paint", "report Font"}},
      {"FontBold", [&] { button.SetFontBold(true); }, {"paint", "report Font"}},
      {"FontItalic", [&] { button.SetFontItalic(true); }, {"paint", "report Font"}},
      {"FontUnderline", [&] { button.SetFontUnderline(true); }, {"paint", "report Font"}},
      {"FontStrikethru", [&] { button.SetFontStrikethru(true); }, {"paint", "report Font"}},
      {"FontSize", [&] { button.SetFontSize(12); }, {"paint", "report Font"}},
      {"FontName", [&] { button.SetFontName("Verdana"); }, {"paint", "report Font"}},
      {"MousePointer", [&] { button.SetMousePointer(11); }, {"report MousePointer"}},
      {"MouseIcon", [&] { button.SetMouseIcon(nullptr); }, {"report MouseIcon"}},
      {"DisableHover", [&] { button.SetDisableHover(true); }, {"report DisableHover"}},
      {"DisplaceText", [&] { button.SetDisplaceText(1); }, {"report DisplaceText"}},
      {"DrawFocus", [&] { button.SetDrawFocus(2); }, {"report DrawFocus"}},
      {"Picture", [&] { button.SetPicture(testing::FakePicture::Pixels(8, 8)); }, {"paint", "report Picture"}},
      {"PicturePos", [&] { button.SetPicturePos(1); }, {"paint", "report PicturePos"}},
      {"PictureTColor", [&] { button.SetPictureTColor(0); }, {"paint", "report PictureTColor"}},
      {"TextAlign", [&] { button.SetTextAlign(0); }, {"paint", "report TextAlign"}},
      {"BackColor", [&] { button.SetBackColor(0xFFFFFF); }, {"paint", "report BackColor"}},
      {"Text", [&] { button.SetText("Go"); }, {"paint", "report Text"}},
      {"Refresh", [&] { button.Refresh(); }, {"paint"}},
  };
  for (Case& c : cases) EXPECT_EQ(Run(c.set), c.expected) << c.member;
  EXPECT_EQ(button.FontName(), "Verdana");
  EXPECT_TRUE(button.FontBold() && button.FontItalic() && button.FontUnderline() &&
              button.FontStrikethru());
  EXPECT_EQ(button.FontSize(), 12.0f);
  EXPECT_EQ(window.font, button.Font());
  EXPECT_EQ(window.pointer, 11);
  EXPECT_EQ(window.caption, "Go");
}

TEST_F(PropertiesTest, EnabledPaintsNormalOrDisabledDirectly) {
  button.PaintState(kPressed);
  button.SetEnabled(false);
  EXPECT_EQ(button.DrawnState(), kDisabled);
  EXPECT_FALSE(window.enabled);
  button.SetEnabled(true);
  EXPECT_EQ(button.DrawnState(), kNormal);
}

TEST_F(PropertiesTest, AccessKeyScanAndWhatAReaderSays) {
  struct Case {
    const char* text;
    const char* key;  // the key afterwards, starting from "Q"
    int reports;
    const char* name;  // as a screen reader says it
  } cases[] = {
      {"&Ok", "O", 1, "Ok"},
      {"Save & exit", "Q", 0, "Save  exit"},   // followed by a space
      {"Fish &&Bits", "B", 1, "Fish &Bits"},   // the doubled marker is skipped, the second marks B
      {"Rock&", "Q", 0, "Rock"},               // a final marker marks nothing
      {"&Yes or &No", "N", 2, "Yes or No"},    // the last marker wins
      {"Plain", "Q", 0, "Plain"},
  };
  for (const Case& c : cases) {
    button.SetText("&Q");
    host.reports.clear();
    button.SetText(c.text);
    EXPECT_EQ(button.AccessKey(), c.key) << c.text;
    EXPECT_EQ(std::count(host.reports.begin(), host.reports.end(), "AccessKey"), c.reports) << c.text;
    EXPECT_EQ(host.reports.front(), "Text");
    EXPECT_EQ(ReaderFacts(button, true).name, c.name) << c.text;
  }
}

TEST_F(PropertiesTest, SixteenBitPropertiesRejectOverflowAndKeepTheirValue) {
  button.SetMousePointer(-32768);
  button.SetPicturePos(32767);
  host.reports.clear();
  std::string source;
  EXPECT_EQ(ErrorNumber([&] { button.SetMousePointer(32768); }, &source), 6);
  EXPECT_EQ(source, "MyButton::MousePointer");
  EXPECT_EQ(ErrorNumber([&] { button.SetPicturePos(-32769); }), 6);
  EXPECT_EQ(button.MousePointer(), -32768);
  EXPECT_EQ(button.PicturePos(), 32767);
  EXPECT_TRUE(host.reports.empty());
}

TEST_F(PropertiesTest, GetRgbSplitsTheBytes) {
  std::int16_t r = 0, g = 0, b = 0;
  MyButton::GetRgb(1 + 2 * 256 + 3 * 65536, r, g, b);
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::int16_t, 3>{1, 2, 3}));
  MyButton::GetRgb(0xFFFFFF, r, g, b);
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::int16_t, 3>{255, 255, 255}));
  // A system colour reference is negative; the divisions truncate toward zero.
  MyButton::GetRgb(std::int32_t(0x8000000F), r, g, b);
  EXPECT_EQ((std::array{r, g, b}), (std::array<std::int16_t, 3>{15, 1, 1}));
}

TEST_F(PropertiesTest, SkinPictureTakesOnlyPictureBoxes) {
  button.InitProperties();
  EXPECT_EQ(Run([&] { button.SetSkinPicture(skin); }), (Lines{"paint", "report SPN"}));
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");

  std::string source;
  const auto label = host.controls["lblTitle"];
  EXPECT_EQ(ErrorNumber([&] { button.SetSkinPicture(label); }, &source), 5);
  EXPECT_EQ(source, "MyButton::SkinPicture");
  // The type name must match exactly, letter case included.
  auto lower = std::make_shared<FakeSkin>("box", 150, 21);
  lower->type_name = "picturebox";
  EXPECT_EQ(ErrorNumber([&] { button.SetSkinPicture(lower); }), 5);
  EXPECT_EQ(button.SkinPicture(), skin);

  button.SetSkinPicture(nullptr);
  EXPECT_EQ(button.SkinPictureName(), "");
  EXPECT_EQ(button.SkinPicture(), nullptr);
}

TEST_F(PropertiesTest, SkinPictureNameFailuresAreSilent) {
  button.InitProperties();
  button.Shown();
  ASSERT_EQ(button.SkinPicture(), skin);
  const std::function<void()> failures[] = {
      [&] { button.SetSkinPictureName("picNowhere"); },
      [&] { button.SetSkinPictureName("lblTitle"); },
      [&] {
        host.has_controls = false;
        button.SetSkinPictureName("MyButtonDefSkin");
        host.has_controls = true;
      },
  };
  for (const auto& failure : failures) {
    EXPECT_EQ(Run(failure), Lines{});
    EXPECT_EQ(button.SkinPicture(), skin);
    EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  }
}

TEST_F(PropertiesTest, EmptySkinPictureNameDropsTheSkinButKeepsTheName) {
  button.InitProperties();
  button.Shown();
  EXPECT_EQ(Run([&] { button.SetSkinPictureName(""); }), (Lines{"paint", "report SPN"}));
  EXPECT_EQ(button.SkinPicture(), nullptr);
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  PropertyBag saved;
  button.WriteProperties(saved);
  EXPECT_EQ(saved.ReadText("SPN", ""), "MyButtonDefSkin");
  button.Shown();
  EXPECT_EQ(button.SkinPicture(), skin);
}

TEST_F(PropertiesTest, ShowingLooksTheSkinUpAndReportsTwice) {
  button.InitProperties();
  EXPECT_EQ(Run([&] { button.Shown(); }), (Lines{"paint", "report SPN", "report SPN"}));
  EXPECT_EQ(button.SkinPicture(), skin);
}

TEST_F(PropertiesTest, LoadingASparseSetUsesDefaultsWithoutPaintingOrReporting) {
  const Layout layout = ParseLayout(
      "[Command1]\n"
      "spn = \"MyButtonDefSkin\"\n"
      "TEXT = \"&Ok\"\n"
      "Font = Font(\"MS Sans Serif\", 8.25, bold)\n");
  window.enabled = false;
  EXPECT_EQ(Run([&] { button.ReadProperties(*layout.Find("command1")); }), (Lines{"report MouseIcon"}));
  EXPECT_EQ(button.SizeCW(), 3);
  EXPECT_EQ(button.SizeCH(), 3);
  EXPECT_TRUE(button.FillWithColor());
  EXPECT_TRUE(window.enabled);
  EXPECT_EQ(button.TextAlign(), 2);
  EXPECT_EQ(button.PictureTColor(), 0xFF00FFu);
  EXPECT_EQ(button.BackColor(), 0x8000000Fu);
  EXPECT_EQ(button.Text(), "&Ok");
  EXPECT_EQ(button.AccessKey(), "");  // no scan while loading
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  EXPECT_EQ(button.SkinPicture(), nullptr);
  EXPECT_TRUE(button.FontBold());
  EXPECT_EQ(window.font.name, "MS Sans Serif");
}

TEST_F(PropertiesTest, LoadingRejectsValuesOutsideTheirKind) {
  PropertyBag bag;
  bag.Set("DrawFocus", std::int64_t{40000});
  EXPECT_EQ(ErrorNumber([&] { button.ReadProperties(bag); }), 6);
  PropertyBag mismatched;
  mismatched.Set("Text", std::int64_t{1});
  EXPECT_EQ(ErrorNumber([&] { button.ReadProperties(mismatched); }), 13);
}

TEST_F(PropertiesTest, SavingWritesTheTwentyOneKeysInOrderAndOmitsDefaults) {
  button.InitProperties();
  PropertyBag defaults;
  button.WriteProperties(defaults);
  // Only what differs from the table: the name and the text; the ambient font is the default.
  ASSERT_EQ(defaults.Entries().size(), 2u);
  EXPECT_EQ(defaults.Entries()[0].first, "SPN");
  EXPECT_EQ(defaults.Entries()[1].first, "Text");

  auto picture = testing::FakePicture::Pixels(16, 16);
  button.SetSizeCW(4);
  button.SetSizeCH(5);
  button.SetText("&Go");
  button.SetFillWithColor(false);
  button.SetEnabled(false);
  button.SetTextColorEnabled(0x0000FF);
  button.SetTextColorDisabled(0x00FF00);
  button.SetFont(FontDescription{"Arial", 11.5f, true, true, true, true, 2});
  button.SetMousePointer(99);
  button.SetMouseIcon(picture);
  button.SetDisableHover(true);
  button.SetDisplaceText(-2);
  button.SetDrawFocus(4);
  button.SetTextColorDisabled2(0x8000000F);
  button.SetPicture(picture);
  button.SetPicturePos(3);
  button.SetPictureTColor(0x00FF00);
  button.SetTextAlign(1);
  button.SetBackColor(0x80000005);
  PropertyBag bag;
  button.WriteProperties(bag);
  Lines keys;
  for (const auto& entry : bag.Entries()) keys.push_back(entry.first);
  EXPECT_EQ(keys, (Lines{"SizeCW", "SizeCH", "SPN", "Text", "FillWithColor", "Enabled", "AccessKey",
                         "TextColorEnabled", "TextColorDisabled", "Font", "MousePointer",
                         "MouseIcon", "DisableHover", "DisplaceText", "DrawFocus",
                         "TextColorDisabled2", "Picture", "PicturePos", "PictureTColor",
                         "TextAlign", "BackColor"}));

  // Through the layout text and back into a second button.
  Layout layout;
  layout.Section("cmdGo") = bag;
  const std::string text = FormatLayout(layout);
  const Layout reloaded = ParseLayout(text, [&](const std::string& source) {
    return source == picture->Source() ? picture : nullptr;
  });
  Journal other_journal;
  testing::RecordingHost other_host{other_journal};
  testing::FakeWindow other_window{other_journal, 100, 30};
  MyButton copy{other_host, other_window};
  copy.ReadProperties(*reloaded.Find("CMDGO"));
  PropertyBag again;
  copy.WriteProperties(again);
  Layout relaid;
  relaid.Section("cmdGo") = again;
  EXPECT_EQ(FormatLayout(relaid), text);
  EXPECT_EQ(copy.AccessKey(), "G");
  EXPECT_EQ(other_window.pointer_icon, picture);
  EXPECT_FALSE(other_window.enabled);
}

TEST_F(PropertiesTest, SavingIntoTheLoadedSetRewritesTheKeysInOrderAndSpelling) {
  Layout layout = ParseLayout(
      "[cmdGo]\n"
      "Left = 120\n"
      "text = \"Go\"\n"
      "spn = \"MyButtonDefSkin\"\n"
      "DrawFocus = 2\n");
  PropertyBag& section = layout.Section("cmdGo");
  button.ReadProperties(section);
  button.SetSizeCW(4);
  button.SetDrawFocus(0);
  button.SetTextAlign(0);
  button.WriteProperties(section);
  Lines keys;
  for (const auto& entry : section.Entries()) keys.push_back(entry.first);
  // The host's own key stays; the button's come in their order, spelled as written.
  EXPECT_EQ(keys, (Lines{"Left", "SizeCW", "SPN", "Text", "TextAlign"}));
}

}  // namespace
}  // namespace hushwall
