#pragma once
// What every settings store must do, as a typed GoogleTest suite. A test file
// instantiates it with a traits type that provides:
//   static std::unique_ptr<hushwall::SettingsStore> MakeStore();
//   static std::string Application();          // a mixed-case name owned by the test
//   static void Forget(const std::string& application);  // removes all it holds
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>

#include "settings/settings_store.h"

namespace hushwall::contract {

inline std::string Upper(std::string text) {
  for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

inline std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

template <typename Traits>
class SettingsStoreContract : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = Traits::Application();
    Traits::Forget(app_);
    store_ = Traits::MakeStore();
  }
  void TearDown() override { Traits::Forget(app_); }

  std::string app_;
  std::unique_ptr<SettingsStore> store_;
};

TYPED_TEST_SUITE_P(SettingsStoreContract);

TYPED_TEST_P(SettingsStoreContract, MissingThingsReadEmpty) {
  SettingsStore& store = *this->store_;
  EXPECT_EQ(store.ReadSetting(this->app_, "Settings", "Sound"), "");
  ASSERT_TRUE(store.WriteSetting(this->app_, "Settings", "Sound", "1"));
  EXPECT_EQ(store.ReadSetting(this->app_, "Settings", "Splash"), "") << "missing key in a present section";
  EXPECT_EQ(store.ReadSetting(this->app_, "Other", "Sound"), "") << "missing section";
}

TYPED_TEST_P(SettingsStoreContract, ValuesComeBackExactlyAndAreReplaced) {
  SettingsStore& store = *this->store_;
  const std::string values[] = {"1", "0", "", "Mixed Case value", std::string(5000, 'x') + "end"};
  for (const std::string& value : values) {
    ASSERT_TRUE(store.WriteSetting(this->app_, "Settings", "Sound", value));
    EXPECT_EQ(store.ReadSetting(this->app_, "Settings", "Sound"), value);
  }
}

TYPED_TEST_P(SettingsStoreContract, NamesIgnoreLetterCase) {
  SettingsStore& store = *this->store_;
  const std::string app = this->app_;
  struct Form {
    std::string application, section, key;
  };
  const Form forms[] = {
      {app, "Settings", "Sound"},
      {Upper(app), "SETTINGS", "SOUND"},
      {Lower(app), "settings", "sound"},
      {app, "sEtTiNgS", "sOuNd"},
  };
  int round = 0;
  for (const Form& writer : forms) {
    const std::string value = "value " + std::to_string(round++);
    ASSERT_TRUE(store.WriteSetting(writer.application, writer.section, writer.key, value));
    for (const Form& reader : forms) {
      EXPECT_EQ(store.ReadSetting(reader.application, reader.section, reader.key), value)
          << "written as " << writer.application << "/" << writer.section << "/" << writer.key
          << ", read as " << reader.application << "/" << reader.section << "/" << reader.key;
    }
  }
  // Every form wrote the one entry: deleting under yet another spelling removes it.
  ASSERT_TRUE(store.DeleteSettingsSection(Upper(app), "Settings"));
  for (const Form& reader : forms) {
    EXPECT_EQ(store.ReadSetting(reader.application, reader.section, reader.key), "");
  }
}

TYPED_TEST_P(SettingsStoreContract, DeletingASectionRemovesAllItsKeysAndNothingElse) {
  SettingsStore& store = *this->store_;
  const char* keys[] = {"Startup", "Sound", "Splash", "Active"};
  for (const char* key : keys) ASSERT_TRUE(store.WriteSetting(this->app_, "Settings", key, "1"));
  ASSERT_TRUE(store.WriteSetting(this->app_, "Other", "Sound", "kept"));

  EXPECT_TRUE(store.DeleteSettingsSection(this->app_, "Settings"));
  for (const char* key : keys) EXPECT_EQ(store.ReadSetting(this->app_, "Settings", key), "") << key;
  EXPECT_EQ(store.ReadSetting(this->app_, "Other", "Sound"), "kept");

  EXPECT_FALSE(store.DeleteSettingsSection(this->app_, "Settings")) << "a missing section is reported";
  EXPECT_FALSE(store.DeleteSettingsSection(this->app_ + " missing", "Settings"));
  ASSERT_TRUE(store.WriteSetting(this->app_, "Settings", "Sound", "0")) << "a deleted section can be written again";
  EXPECT_EQ(store.ReadSetting(this->app_, "Settings", "Sound"), "0");
}

TYPED_TEST_P(SettingsStoreContract, UnusableAddressesAreRefused) {
  SettingsStore& store = *this->store_;
  ASSERT_TRUE(store.WriteSetting(this->app_, "Settings", "Sound", "1"));
  struct Address {
    std::string application, section;
  };
  const Address addresses[] = {
      {"", "Settings"},
      {this->app_, ""},
      {this->app_ + "\\Settings", "Settings"},
      {this->app_, "Settings\\Deeper"},
  };
  for (const Address& address : addresses) {
    SCOPED_TRACE(address.application + " / " + address.section);
    EXPECT_FALSE(store.WriteSetting(address.application, address.section, "Sound", "2"));
    EXPECT_EQ(store.ReadSetting(address.application, address.section, "Sound"), "");
    EXPECT_FALSE(store.DeleteSettingsSection(address.application, address.section));
  }
  EXPECT_EQ(store.ReadSetting(this->app_, "Settings", "Sound"), "1");
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreContract, MissingThingsReadEmpty, ValuesComeBackExactlyAndAreReplaced,
                            NamesIgnoreLetterCase, DeletingASectionRemovesAllItsKeysAndNothingElse,
                            UnusableAddressesAreRefused);

}  // namespace hushwall::contract
