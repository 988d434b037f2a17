// The settings dialog's rules against a fake view: OK's order and values, the
// check boxes' effects, and what a failed store write leaves behind.
#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/shared/memory_settings_store.h"
#include "settings/program_settings.h"

namespace hushwall {
namespace {

// Every effect goes to one log, so tests can check the order across targets.
using Log = std::vector<std::string>;

class FakeView : public SettingsView {
 public:
  explicit FakeView(Log& log) : log_(log) {}
  int CheckState(std::string_view control) const override {
    auto found = checks.find(std::string(control));
    return found == checks.end() ? 0 : found->second;
  }
  std::string Text(std::string_view control) const override {
    auto found = texts.find(std::string(control));
    return found == texts.end() ? "" : found->second;
  }
  void SetText(std::string_view control, const std::string& text) override {
    texts[std::string(control)] = text;
    log_.push_back(std::string(control) + "=" + text);
  }
  void SetEnabled(std::string_view control, bool enabled) override { enabled_[std::string(control)] = enabled; }
  bool Enabled(const std::string& control) const {
    auto found = enabled_.find(control);
    return found == enabled_.end() || found->second;
  }

  std::map<std::string, int> checks;
  std::map<std::string, std::string> texts{
      {"txtStartup", "0"}, {"txtSound", "1"}, {"txtSplash", "1"}, {"txtActive", "0"}};

 private:
  Log& log_;
  std::map<std::string, bool> enabled_;
};

class FakeStartup : public StartupEntries {
 public:
  explicit FakeStartup(Log& log) : log_(log) {}
  void AddStartupEntry(const std::string& name, const std::string& command_line) override {
    log_.push_back("add " + name + " " + command_line);
  }
  void RemoveStartupEntry(const std::string& name) override { log_.push_back("remove " + name); }

 private:
  Log& log_;
};

// Records each write with the rule flags as they stood at that moment; fails the
// keys it is told to.
class RecordingStore : public MemorySettingsStore {
 public:
  explicit RecordingStore(const RuleFlags& rules) : rules_(rules) {}
  bool WriteSetting(const std::string& application, const std::string& section, const std::string& key,
                    const std::string& value) override {
    writes.push_back({application + "|" + section + "|" + key + "=" + value, rules_});
    if (failing.count(key)) return false;
    return MemorySettingsStore::WriteSetting(application, section, key, value);
  }
  struct Write {
    std::string what;
    RuleFlags rules_then;
  };
  std::vector<Write> writes;
  std::set<std::string> failing;

 private:
  const RuleFlags& rules_;
};

constexpr char kProgram[] = "C:\\Program Files\\Hush Wall\\hushwall.exe";

class SettingsLogicTest : public ::testing::Test {
 protected:
  RuleFlags rules{};
  Log log;
  FakeView view{log};
  FakeStartup startup{log};
  RecordingStore store{rules};
  SettingsLogic logic{view, {store, startup, rules, [this](bool on) { log.push_back(on ? "sound on" : "sound off"); }},
                      kProgram};

  void Click(const std::string& control, int state) {
    view.checks[control] = state;
    logic.CheckBoxClicked(control);
  }
};

TEST_F(SettingsLogicTest, OpeningArmsTheMasterRuleAndShowsThePath) {
  rules = {0, 0, 0, 0};
  logic.Open("c:\\program files\\hush wall\\hushwall.exe");
  EXPECT_EQ(rules.StereotypeWindows, 1);
  EXPECT_EQ(view.Text("lblAppPath"), "c:\\program files\\hush wall\\hushwall.exe");
}

TEST_F(SettingsLogicTest, OkWritesTheEightValuesInOrderAndThenSetsTheRuleFlags) {
  struct Case {
    const char* name;
    std::map<std::string, int> checks;
    std::map<std::string, std::string> texts;
    RuleFlags expected;  // StereotypeWindows, NoMaxButton, NoMinButton, NoTitleBar
  };
  const Case cases[] = {
      {"plain OK zeroes every rule flag", {}, {}, {0, 0, 0, 0}},
      {"every box checked",
       {{"chkStereotype", 1}, {"chkNoBorder", 1}, {"chkNoMaxButton", 1}, {"chkNoMinButton", 1}},
       {{"txtStartup", "1"}, {"txtSound", "0"}, {"txtSplash", "0"}, {"txtActive", "1"}},
       {1, 1, 1, 1}},
      {"each pending text written under its own key", {{"chkNoMinButton", 1}},
       {{"txtStartup", "1"}, {"txtSound", "0"}, {"txtSplash", "1"}, {"txtActive", "0"}}, {0, 0, 1, 0}},
      {"rule boxes kept while the master is off",
       {{"chkNoBorder", 1}, {"chkNoMinButton", 1}},
       {},
       {0, 0, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rules = {1, 1, 0, 0};  // the start values, as after an opening
    store.writes.clear();
    view.checks = c.checks;
    for (const auto& [box, text] : c.texts) view.texts[box] = text;

    EXPECT_TRUE(logic.Confirm().empty());

    auto text = [&](const char* box) { return view.Text(box); };
    auto number = [](std::int16_t flag) { return std::to_string(flag); };
    const std::string prefix = "Vantel Hushwall|Settings|";
    const std::vector<std::string> expected_writes = {
        prefix + "Startup=" + text("txtStartup"),
        prefix + "Sound=" + text("txtSound"),
        prefix + "Splash=" + text("txtSplash"),
        prefix + "Active=" + text("txtActive"),
        prefix + "NoTitleBar=" + number(c.expected.NoTitleBar),
        prefix + "NoMaxButton=" + number(c.expected.NoMaxButton),
        prefix + "NoMinButton=" + number(c.expected.NoMinButton),
        prefix + "StereotypeWindows=" + number(c.expected.StereotypeWindows),
    };
    ASSERT_EQ(store.writes.size(), expected_writes.size());
    for (std::size_t i = 0; i < expected_writes.size(); ++i) {
      EXPECT_EQ(store.writes[i].what, expected_writes[i]);
      // The master flag is set before the writes, the other three after them.
      EXPECT_EQ(store.writes[i].rules_then.StereotypeWindows, c.expected.StereotypeWindows);
      EXPECT_EQ(store.writes[i].rules_then.NoTitleBar, 0);
      EXPECT_EQ(store.writes[i].rules_then.NoMaxButton, 1);
      EXPECT_EQ(store.writes[i].rules_then.NoMinButton, 0);
    }
    EXPECT_EQ(rules.StereotypeWindows, c.expected.StereotypeWindows);
    EXPECT_EQ(rules.NoMaxButton, c.expected.NoMaxButton);
    EXPECT_EQ(rules.NoMinButton, c.expected.NoMinButton);
    EXPECT_EQ(rules.NoTitleBar, c.expected.NoTitleBar);
    EXPECT_EQ(store.KeyCount(kSettingsApplication, kSettingsSection), 8u);
  }
}

TEST_F(SettingsLogicTest, AFailedWriteKeepsTheOthersAndTheFlagsAndIsNamedOnce) {
  store.failing = {"Sound", "NoMinButton"};
  view.checks = {{"chkStereotype", 1}, {"chkNoMinButton", 1}};

  const std::vector<std::string> failed = logic.Confirm();

  EXPECT_EQ(failed, (std::vector<std::string>{"Sound", "NoMinButton"}));
  EXPECT_EQ(store.writes.size(), 8u) << "every write is tried";
  EXPECT_EQ(store.KeyCount(kSettingsApplication, kSettingsSection), 6u);
  EXPECT_EQ(store.ReadSetting(kSettingsApplication, kSettingsSection, "StereotypeWindows"), "1");
  EXPECT_EQ(rules.StereotypeWindows, 1);
  EXPECT_EQ(rules.NoMinButton, 1);
  const std::string message = SettingsWriteFailureMessage(failed);
  EXPECT_EQ(message, "These settings could not be saved:\r\n\"Play a sound when popup window is prevented\""
                     "\r\n\"No Min Button\"");
  EXPECT_EQ(SettingsWriteFailureMessage({}), "");
  store.failing.insert(std::begin(kDialogSettingKeys), std::end(kDialogSettingKeys));
  EXPECT_EQ(SettingsWriteFailureMessage(logic.Confirm()), "The settings could not be saved.");
}

TEST_F(SettingsLogicTest, CheckBoxesRecordPendingValuesAndActInTheirOrder) {
  const std::string command = std::string("\"") + kProgram + "\"";
  struct Case {
    const char* box;
    int state;
    Log effects;
  };
  const Case cases[] = {
      {"chkStart", 1, {"txtStartup=1", "add Vantel HushWall " + command}},
      {"chkStart", 0, {"txtStartup=0", "remove Vantel HushWall"}},
      {"chkPopsound", 1, {"sound on", "txtSound=1"}},
      {"chkPopsound", 0, {"txtSound=0", "sound off"}},
      {"chkSplash", 0, {"txtSplash=0"}},
      {"chkSplash", 1, {"txtSplash=1"}},
      {"chkActive", 1, {"txtActive=1"}},
      {"chkActive", 0, {"txtActive=0"}},
      {"chkNoBorder", 1, {}},
      {"chkNoMaxButton", 1, {}},
      {"chkNoMinButton", 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + std::to_string(c.state));
    log.clear();
    Click(c.box, c.state);
    EXPECT_EQ(log, c.effects);
  }
}

TEST_F(SettingsLogicTest, StereotypeEnablesTheRuleBoxesAndNeverChangesTheirStates) {
  const char* rule_boxes[] = {"chkNoBorder", "chkNoMaxButton", "chkNoMinButton"};
  view.checks = {{"chkNoBorder", 1}, {"chkNoMinButton", 1}};
  struct Step {
    int stereotype;
    bool enabled;
  };
  // Any state but unchecked enables, the grey one included.
  const Step steps[] = {{1, true}, {0, false}, {2, true}, {0, false}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.stereotype);
    Click("chkStereotype", step.stereotype);
    for (const char* box : rule_boxes) EXPECT_EQ(view.Enabled(box), step.enabled) << box;
    EXPECT_EQ(view.CheckState("chkNoBorder"), 1);
    EXPECT_EQ(view.CheckState("chkNoMaxButton"), 0);
  }
  logic.Confirm();
  EXPECT_EQ(rules.NoTitleBar, 1) << "disabled boxes still count at OK";
  EXPECT_EQ(rules.NoMinButton, 1);
  EXPECT_EQ(store.ReadSetting(kSettingsApplication, kSettingsSection, "NoTitleBar"), "1");
}

TEST_F(SettingsLogicTest, DeletingTheSettingsTwiceIsQuiet) {
  logic.Confirm();
  logic.DeleteStoredSettings();
  logic.DeleteStoredSettings();
  EXPECT_EQ(store.KeyCount(kSettingsApplication, kSettingsSection), 0u);
  EXPECT_EQ(store.ReadSetting(kStartSettingsApplication, kSettingsSection, "Sound"), "");
}

}  // namespace
}  // namespace hushwall
