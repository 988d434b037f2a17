// The About window's link highlighting and the shape of the quick help text.
#include "ui/windows/about_links.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/windows/info_texts.h"

namespace hushwall {
namespace {

// Three links in a column, a plain label to their left, background around them.
LinkHighlight MakeHighlight() {
  return LinkHighlight({{AboutLink::Mail, {100, 10, 200, 20}},
                        {AboutLink::FirstPage, {100, 30, 250, 40}},
                        {AboutLink::SecondPage, {100, 50, 300, 60}}},
                       {{10, 10, 60, 60}});
}

TEST(LinkHighlightTest, PointerMovesHighlightOneLinkAtMost) {
  struct Move {
    int x, y;
    AboutLink highlighted;
    bool changed;
  };
  const std::vector<Move> moves = {
      {5, 5, AboutLink::None, false},          // background first: nothing to clear
      {100, 10, AboutLink::Mail, true},        // a link's top-left corner is on it
      {199, 19, AboutLink::Mail, false},       // moving within one link
      {150, 35, AboutLink::FirstPage, true},   // straight onto another link
      {299, 59, AboutLink::SecondPage, true},  //
      {300, 59, AboutLink::None, true},        // right and bottom edges are outside
      {120, 55, AboutLink::SecondPage, true},  //
      {30, 30, AboutLink::SecondPage, false},  // a plain label keeps the highlight
      {150, 25, AboutLink::None, true},        // background between links clears it
      {30, 30, AboutLink::None, false},
  };
  LinkHighlight highlight = MakeHighlight();
  for (const Move& move : moves) {
    SCOPED_TRACE(testing::Message() << "(" << move.x << ", " << move.y << ")");
    EXPECT_EQ(highlight.PointerMovedTo(move.x, move.y), move.changed);
    EXPECT_EQ(highlight.Highlighted(), move.highlighted);
    for (AboutLink link : {AboutLink::Mail, AboutLink::FirstPage, AboutLink::SecondPage}) {
      EXPECT_EQ(highlight.ColourOf(link), link == move.highlighted ? kHighlightedLinkColour : kLinkColour);
    }
  }
  EXPECT_EQ(kHighlightedLinkColour, 0x800000u) << "navy: blue 128 in the third byte";
}

TEST(HelpTextTest, NineParagraphsInCrLfOpeningWithThePromise) {
  const std::string text = help_texts::kHelpText;
  EXPECT_EQ(text.rfind("Vantel Hushwall can help you get rid of annoying advertising popup windows.\r\n", 0), 0u);
  std::vector<std::string> paragraphs;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find("\r\n\r\n", start);
    paragraphs.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 4;
  }
  EXPECT_EQ(paragraphs.size(), 9u);
  for (const std::string& paragraph : paragraphs) {
    EXPECT_FALSE(paragraph.empty());
    EXPECT_EQ(paragraph.find('\n'), std::string::npos) << "a paragraph is one line: " << paragraph;
  }
  // A lone line feed shows as a box in an edit control.
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    EXPECT_EQ(text[at - 1], '\r') << "at " << at;
  EXPECT_NE(paragraphs[7].find("Internet Explorer, Netscape and Opera"), std::string::npos);
}

}  // namespace
}  // namespace hushwall
