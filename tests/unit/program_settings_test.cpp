#include "settings/program_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/shared/memory_settings_store.h"

namespace hushwall {
namespace {

// Records every write in order and refuses the keys it is told to.
class RecordingStore : public MemorySettingsStore {
 public:
  bool WriteSetting(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override {
    writes.push_back(application + "\\" + section + "\\" + key + "=" + value);
    if (refused.count(key)) return false;
    return MemorySettingsStore::WriteSetting(application, section, key, value);
  }
  std::vector<std::string> writes;
  std::set<std::string> refused;
};

TEST(ProgramSettings, EightValuesInTheDialogsOrderEachWrittenEvenWhenOneFails) {
  RecordingStore store;
  store.refused = {"Sound", "NoMinButton"};
  SettingsValues values;
  values.active = "1";
  values.rules = RuleFlags{1, 0, 1, 0};

  const std::vector<std::string> failed = WriteSettingsValues(store, values);

  const std::string at = "Vantel Hushwall\\Settings\\";
  EXPECT_EQ(store.writes,
            (std::vector<std::string>{at + "Startup=0", at + "Sound=1", at + "Splash=1", at + "Active=1",
                                      at + "NoTitleBar=0", at + "NoMaxButton=0", at + "NoMinButton=1",
                                      at + "StereotypeWindows=1"}));
  EXPECT_EQ(failed, (std::vector<std::string>{"Sound", "NoMinButton"}));
  EXPECT_EQ(store.KeyCount("Vantel Hushwall", "Settings"), 6u);
}

TEST(ProgramSettings, TheStartFindsTheDialogsSoundValueDespiteTheOtherLetterCase) {
  MemorySettingsStore store;
  EXPECT_TRUE(StoredSoundIsMissing(store));
  WriteSettingsValues(store, SettingsValues{});
  EXPECT_FALSE(StoredSoundIsMissing(store));
  store.WriteSetting("Vantel Hushwall", "Settings", "Sound", "");
  EXPECT_TRUE(StoredSoundIsMissing(store));
}

}  // namespace
}  // namespace hushwall
