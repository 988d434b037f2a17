#include <gtest/gtest.h>

#include "platform/control_error.h"
#include "platform/layout.h"
#include "support/error_number.h"

namespace hushwall {
namespace {

class NamedPicture : public Picture {
 public:
  explicit NamedPicture(std::string source) : source_(std::move(source)) {}
  PictureKind Kind() const override { return PictureKind::kIcon; }
  std::int32_t WidthHiMetric() const override { return 847; }
  std::int32_t HeightHiMetric() const override { return 847; }
  std::string Source() const override { return source_; }

 private:
  std::string source_;
};

using testing::ErrorNumber;

TEST(PropertyBagTest, KeysIgnoreCaseAndKeepTheirFirstPlace) {
  PropertyBag bag;
  bag.WriteInteger("SizeCW", 4, 3);
  bag.WriteText("Text", "Go", "");
  bag.WriteInteger("SIZECW", 5, 3);
  ASSERT_EQ(bag.Entries().size(), 2u);
  EXPECT_EQ(bag.Entries()[0].first, "SizeCW");
  EXPECT_EQ(bag.ReadInt32("sizecw", 3), 5);
  bag.WriteInteger("sizeCW", 3, 3);  // back to the default: no longer stored
  EXPECT_EQ(bag.Find("SizeCW"), nullptr);
  EXPECT_EQ(bag.ReadInt32("SizeCW", 3), 3);
}

TEST(PropertyBagTest, ReadersCheckKindAndRange) {
  PropertyBag bag;
  bag.Set("Small", std::int64_t{32768});
  bag.Set("Colour", std::int64_t{0x8000000F});
  bag.Set("Signed", std::int64_t{-1});
  bag.Set("Word", std::string("x"));
  bag.Set("Number", std::int64_t{2});
  EXPECT_EQ(ErrorNumber([&] { bag.ReadInt16("Small", 0); }), 6);
  EXPECT_EQ(bag.ReadInt32("Small", 0), 32768);
  EXPECT_EQ(bag.ReadColour("Colour", 0), 0x8000000Fu);
  EXPECT_EQ(bag.ReadColour("Signed", 0), 0xFFFFFFFFu);
  EXPECT_EQ(ErrorNumber([&] { bag.ReadInt32("Colour", 0); }), 6);
  EXPECT_EQ(ErrorNumber([&] { bag.ReadInt32("Word", 0); }), 13);
  EXPECT_EQ(ErrorNumber([&] { bag.ReadText("Number", ""); }), 13);
  EXPECT_TRUE(bag.ReadBool("Number", false));
  EXPECT_EQ(bag.ReadDouble("Number", 0), 2.0);
}

TEST(LayoutTest, ParsesEveryKindOfValue) {
  const std::string text =
      "; the About window\n"
      "[Command1]\r\n"
      "  Text = \"&Ok \\\"now\\\"\\x01\"  \n"
      "Enabled = false\n"
      "SizeCW = -4\n"
      "BackColor = 0x8000000F\n"
      "Ratio = 2.5e1\n"
      "Font = Font(\"MS Sans Serif\", 8.25, bold, underline, charset=2)\n"
      "MouseIcon = Picture(\"hand\")\n"
      "\n"
      "# another control\n"
      "[ MyButtonDefSkin ]\n";
  const Layout layout = ParseLayout(text, [](const std::string& source) {
    return std::make_shared<NamedPicture>(source);
  });
  ASSERT_EQ(layout.Sections().size(), 2u);
  const PropertyBag* bag = layout.Find("COMMAND1");
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->ReadText("text", ""), "&Ok \"now\"\x01");
  EXPECT_FALSE(bag->ReadBool("Enabled", true));
  EXPECT_EQ(bag->ReadInt32("SizeCW", 0), -4);
  EXPECT_EQ(bag->ReadColour("BackColor", 0), 0x8000000Fu);
  EXPECT_EQ(bag->ReadDouble("Ratio", 0), 25.0);
  const FontDescription font = bag->ReadFont("Font", {});
  EXPECT_EQ(font, (FontDescription{"MS Sans Serif", 8.25f, true, false, true, false, 2}));
  EXPECT_EQ(bag->ReadPicture("MouseIcon", nullptr)->Source(), "hand");
  EXPECT_TRUE(layout.Find("mybuttondefskin")->Empty());
}

TEST(LayoutTest, FormatThenParseGivesTheSameLayout) {
  Layout layout;
  PropertyBag& bag = layout.Section("cmdAdd");
  bag.Set("Text", std::string("Tab\there \\ \"quoted\"\nnew line \xE9"));
  bag.Set("Count", std::int64_t{-9000000000});
  bag.Set("Half", 0.5);
  bag.Set("Whole", 3.0);
  bag.Set("On", true);
  bag.Set("Font", FontDescription{"Arial Black", 10, false, true, false, true, 0});
  bag.Set("Picture", PictureRef(std::make_shared<NamedPicture>("logo")));
  layout.Section("cmdRemove").Set("Text", std::string(""));
  const std::string text = FormatLayout(layout);
  const Layout again = ParseLayout(text, [](const std::string& source) {
    return std::make_shared<NamedPicture>(source);
  });
  EXPECT_EQ(FormatLayout(again), text);
  EXPECT_EQ(again.Find("cmdAdd")->ReadText("Text", ""), bag.ReadText("Text", ""));
  EXPECT_EQ(again.Find("cmdAdd")->ReadDouble("Whole", 0), 3.0);
  EXPECT_EQ(std::get<double>(*again.Find("cmdAdd")->Find("Whole")), 3.0);
}

TEST(LayoutTest, MalformedTextNamesItsLine) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"Text = \"x\"\n", 1},                      // before any section
      {"[a]\nText = \"open\n", 2},                // unterminated text
      {"[a]\n\nSize = 12 apples\n", 3},           // trailing words
      {"[a]\nKey\n", 2},                          // no value
      {"[a]\nOn = maybe\n", 2},                   // unknown word
      {"[a]\nX = 1\nx = 2\n", 3},                 // key given twice
      {"[a]\n[A]\n", 2},                          // section given twice
      {"[a\n", 1},                                // unclosed section
      {"[a]\nF = Font(\"Arial\", 9, wide)\n", 2},  // unknown style
      {"[a]\nP = Picture(\"none\")\n", 2},        // no loader
      {"[a]\nN = 99999999999999999999\n", 2},     // beyond 64 bits
      {"[a]\nT = \"\\q\"\n", 2},                  // unknown escape
  };
  for (const auto& c : cases) {
    try {
      ParseLayout(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const LayoutError& error) {
      EXPECT_EQ(error.Line(), c.line) << c.text;
    }
  }
}

TEST(LayoutTest, PictureWithoutANameCannotBeSaved) {
  Layout layout;
  layout.Section("a").Set("Picture", PictureRef(std::make_shared<NamedPicture>("")));
  EXPECT_THROW(FormatLayout(layout), LayoutError);
}

}  // namespace
}  // namespace hushwall
