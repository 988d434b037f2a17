#include "tests/shared/memory_settings_store.h"

#include <gtest/gtest.h>

#include "tests/shared/settings_store_contract.h"

namespace hushwall::contract {

struct MemoryTraits {
  static std::unique_ptr<SettingsStore> MakeStore() { return std::make_unique<MemorySettingsStore>(); }
  static std::string Application() { return "Vantel HushWall"; }
  static void Forget(const std::string&) {}
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, SettingsStoreContract, MemoryTraits);

}  // namespace hushwall::contract

namespace hushwall {
namespace {

TEST(MemorySettingsStore, RewritingUnderAnotherSpellingKeepsOneKeyEach) {
  MemorySettingsStore store;
  const char* keys[] = {"Startup", "Sound", "Splash", "Active",
                        "NoTitleBar", "NoMaxButton", "NoMinButton", "StereotypeWindows"};
  for (const char* application : {"Vantel Hushwall", "VANTEL HUSHWALL"}) {
    for (const char* key : keys) ASSERT_TRUE(store.WriteSetting(application, "Settings", key, "1"));
  }
  EXPECT_EQ(store.KeyCount("Vantel HushWall", "settings"), 8u);
}

TEST(MemorySettingsStore, AFailingWriteStoresNothing) {
  MemorySettingsStore store;
  ASSERT_TRUE(store.WriteSetting("Vantel Hushwall", "Settings", "Sound", "1"));
  store.FailWrites(true);
  EXPECT_FALSE(store.WriteSetting("Vantel Hushwall", "Settings", "Sound", "0"));
  EXPECT_FALSE(store.WriteSetting("Vantel Hushwall", "Settings", "Splash", "0"));
  EXPECT_EQ(store.ReadSetting("Vantel HushWall", "Settings", "Sound"), "1");
  EXPECT_EQ(store.KeyCount("Vantel HushWall", "Settings"), 1u);
}

}  // namespace
}  // namespace hushwall
