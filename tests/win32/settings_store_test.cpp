#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_store_win32.h"
#include "tests/shared/settings_store_contract.h"

namespace hushwall {
namespace {

std::string TestApplication() { return "HushWall Store Test " + std::to_string(GetCurrentProcessId()); }

void DeleteTree(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DeleteTree(key, name);
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, path.c_str());
}

}  // namespace

namespace contract {

struct RegistryTraits {
  static std::unique_ptr<SettingsStore> MakeStore() { return std::make_unique<RegistrySettingsStore>(); }
  static std::string Application() { return TestApplication(); }
  static void Forget(const std::string& application) { DeleteTree(HKEY_CURRENT_USER, "Software\\" + application); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Registry, SettingsStoreContract, RegistryTraits);

}  // namespace contract

namespace {

class RegistrySettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteTree(HKEY_CURRENT_USER, "Software\\" + app_); }
  void TearDown() override { DeleteTree(HKEY_CURRENT_USER, "Software\\" + app_); }

  // Reads a value straight from the registry: type and bytes.
  static bool RawValue(HKEY root, const std::string& path, const char* name, DWORD& type, std::string& bytes) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    char buffer[256];
    DWORD size = sizeof buffer;
    const LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    bytes.assign(buffer, status == ERROR_SUCCESS ? size : 0);
    return status == ERROR_SUCCESS;
  }

  std::string app_ = TestApplication();
  RegistrySettingsStore store_;
};

TEST_F(RegistrySettingsStoreTest, ValuesLiveInTheUsersHiveAsStrings) {
  ASSERT_TRUE(store_.WriteSetting(app_, "Settings", "Sound", "0"));
  DWORD type = 0;
  std::string bytes;
  ASSERT_TRUE(RawValue(HKEY_CURRENT_USER, "Software\\" + app_ + "\\Settings", "Sound", type, bytes));
  EXPECT_EQ(type, DWORD(REG_SZ));
  EXPECT_EQ(bytes, std::string("0", 2)) << "the text and its terminator";

  HKEY machine = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, ("Software\\" + app_).c_str(), 0, KEY_READ, &machine), ERROR_SUCCESS)
      << "nothing is written machine-wide";
  if (machine) RegCloseKey(machine);
}

TEST_F(RegistrySettingsStoreTest, ValuesWrittenByOthersAreReadSensibly) {
  ASSERT_TRUE(store_.WriteSetting(app_, "Settings", "Sound", "1"));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ("Software\\" + app_ + "\\Settings").c_str(), 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  const DWORD number = 1;
  RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
  RegSetValueExA(key, "Expandable", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%"), 7);
  const std::string long_text(300, 'q');
  RegSetValueExA(key, "Long", 0, REG_SZ, reinterpret_cast<const BYTE*>(long_text.c_str()), DWORD(long_text.size() + 1));
  RegCloseKey(key);

  EXPECT_EQ(store_.ReadSetting(app_, "Settings", "Number"), "") << "not a string";
  EXPECT_EQ(store_.ReadSetting(app_, "Settings", "Unterminated"), "abc");
  EXPECT_EQ(store_.ReadSetting(app_, "Settings", "Expandable"), "%TEMP%") << "kept as written";
  EXPECT_EQ(store_.ReadSetting(app_, "Settings", "Long"), long_text);
}

}  // namespace
}  // namespace hushwall
