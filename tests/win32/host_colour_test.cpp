// Stored colour values turned into plain RGB for GDI.
#include <gtest/gtest.h>

#include "controls/host/colour_win32.h"

namespace hushwall {
namespace {

TEST(TranslateColorTest, PassesRgbAndResolvesSystemColours) {
  EXPECT_EQ(TranslateColor(0x123456), COLORREF(0x123456));
  EXPECT_EQ(TranslateColor(0x8000000F), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(TranslateColor(0x80000014), GetSysColor(COLOR_3DHILIGHT));
  EXPECT_EQ(TranslateColor(0x80000010), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(TranslateColor(0x800000FF), CLR_INVALID);
}

}  // namespace
}  // namespace hushwall
