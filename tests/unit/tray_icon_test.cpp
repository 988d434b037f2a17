#include "ui/main/tray_icon.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

namespace hushwall {
namespace {

std::uint64_t LittleEndianAt(const unsigned char* bytes, std::size_t offset, std::size_t width) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value |= std::uint64_t(bytes[offset + i]) << (8 * i);
  return value;
}

// The bytes the shell reads, for the 32-bit and the 64-bit record: handles take the
// pointer's width and are aligned to it, the 32-bit fields stay 32-bit.
template <class Handle>
void ExpectShellLayout(std::size_t size, std::size_t owner_at, std::size_t icon_at, std::size_t tip_at) {
  BasicTrayIconData<Handle> record;
  const Handle owner = Handle(0x8877665544332211ull);
  const Handle icon = Handle(0xF0E0D0C0B0A09080ull);
  FillTrayIconData(record, owner, icon, "HushWall");
  unsigned char bytes[sizeof record];
  std::memcpy(bytes, &record, sizeof record);
  const std::size_t handle_width = sizeof(Handle);

  ASSERT_EQ(sizeof bytes, size);
  EXPECT_EQ(LittleEndianAt(bytes, 0, 4), size) << "size";
  EXPECT_EQ(LittleEndianAt(bytes, owner_at, handle_width), std::uint64_t(owner)) << "owner";
  EXPECT_EQ(LittleEndianAt(bytes, owner_at + handle_width, 4), 1u) << "id";
  EXPECT_EQ(LittleEndianAt(bytes, owner_at + handle_width + 4, 4), 7u) << "flags: message, icon, tip";
  EXPECT_EQ(LittleEndianAt(bytes, owner_at + handle_width + 8, 4), 0x0200u) << "callback message";
  EXPECT_EQ(LittleEndianAt(bytes, icon_at, handle_width), std::uint64_t(icon)) << "icon";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + tip_at)), "HushWall");
}

TEST(TrayIconData, RecordBytesAreTheShellLayoutOfEachArchitecture) {
  {
    SCOPED_TRACE("32-bit");
    ExpectShellLayout<std::uint32_t>(88, 4, 20, 24);
  }
  {
    SCOPED_TRACE("64-bit");
    ExpectShellLayout<std::uint64_t>(104, 8, 32, 40);
  }
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
