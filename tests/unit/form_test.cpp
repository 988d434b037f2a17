#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/form.h"

namespace hushwall {
namespace {

TEST(Twips, ConvertAtTheScreensRealDpi) {
  struct Case {
    int twips;
    int dpi;
    int pixels;
  } cases[] = {
      {6690, 96, 446}, {4110, 96, 274}, {15, 96, 1},     {7, 96, 0},     {8, 96, 1},
      {6690, 120, 558},  // 557.5: half goes to the even neighbour
      {6660, 120, 555},  // 555 exactly
      {4110, 144, 411}, {22, 96, 1},    {-15, 96, -1},   {0, 96, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  EXPECT_EQ(PixelsToTwips(446, 96), 6690);
  EXPECT_EQ(PixelsToTwips(1, 120), 12);
}

TEST(Form, WindowControlsComeFirstThenPaneControlsEachByTabIndex) {
  const ControlDefinition controls[] = {
      {"lstInside", ControlKind::ListBox, "", "Frame1", 0, 0, 1, 1, true, 0, {}, 1},
      {"Frame1", ControlKind::Pane, "", nullptr, 0, 0, 1, 1, true, 2, {}, 2},
      {"lblOutside", ControlKind::Label, "", nullptr, 0, 0, 1, 1, true, 1, {}, 3},
      {"chkInside", ControlKind::CheckBox, "", "Frame1", 0, 0, 1, 1, true, 1, {}, 4},
  };
  std::vector<std::string> names;
  for (const ControlDefinition* control : CreationOrder(controls)) names.push_back(control->name);
  EXPECT_EQ(names, (std::vector<std::string>{"lblOutside", "Frame1", "lstInside", "chkInside"}));
}

}  // namespace
}  // namespace hushwall
