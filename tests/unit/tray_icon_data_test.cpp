#include "ui/main/tray_icon.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace hushwall {
namespace {

std::uint32_t Le32At(const unsigned char* bytes, std::size_t offset) {
  return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
         std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

TEST(TrayIconData, RecordBytesAreTheShellLayout) {
  TrayIconData record;
  FillTrayIconData(record, 0x00010203, 0xA0B0C0D0, "HushWall");
  unsigned char bytes[sizeof record];
  std::memcpy(bytes, &record, sizeof record);

  ASSERT_EQ(sizeof bytes, 88u);
  EXPECT_EQ(Le32At(bytes, 0), 88u) << "size";
  EXPECT_EQ(Le32At(bytes, 4), 0x00010203u) << "owner";
  EXPECT_EQ(Le32At(bytes, 8), 1u) << "id";
  EXPECT_EQ(Le32At(bytes, 12), 7u) << "flags: message, icon, tip";
  EXPECT_EQ(Le32At(bytes, 16), 0x0200u) << "callback message";
  EXPECT_EQ(Le32At(bytes, 20), 0xA0B0C0D0u) << "icon";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 24)), "HushWall");
}

TEST(TrayIconData, TipIsCutTo63CharactersAndAlwaysTerminated) {
  struct Case {
    std::size_t length;
    std::size_t kept;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {8, 8}, {62, 62}, {63, 63}, {64, 63}, {100, 63}};
  for (const Case& c : cases) {
    SCOPED_TRACE("tip of " + std::to_string(c.length) + " characters");
    std::string tip;
    for (std::size_t i = 0; i < c.length; ++i) tip += char('A' + i % 26);
    char field[kTrayTipSize];
    std::memset(field, 'x', sizeof field);
    FillTrayTip(field, tip);

    EXPECT_EQ(std::string(field, c.kept), tip.substr(0, c.kept));
    EXPECT_EQ(field[c.kept], '\0');
    for (std::size_t i = c.kept + 1; i < kTrayTipSize; ++i) EXPECT_EQ(field[i], ' ') << "padding at " << i;
  }
}

}  // namespace
}  // namespace hushwall
