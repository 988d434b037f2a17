// The settings, export and import dialogs as real windows: the registry read back
// after OK and after the start box's clicks, list files through real folders, and
// message boxes answered through the message-box interface.
#include "settings/settings_dialog_win32.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include <deque>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/handles_win32.h"
#include "settings/settings_store_win32.h"
#include "settings/startup_entry_win32.h"
#include "support/keyboard_focus.h"
#include "support/message_pump.h"

namespace hushwall {
namespace {

class TestHost : public SettingsHost {
 public:
  BlockingState& State() override { return state; }
  void SetPlaySound(bool on) override { state.SetPlaySound(on); }
  void RemoveListChanged() override { ++refreshes; }
  BlockingState state;
  int refreshes = 0;
};

class TestLists : public ListFiles {
 public:
  ListFilesLoad Load(BlockingState&) override { return {}; }
  bool SaveRemoveList(HWND, const BlockingState& state) override {
    saved.push_back(FormatListFile(state.RemoveList()));
    return true;
  }
  bool SaveBlockedLog(HWND, const BlockingState&) override { return true; }
  std::vector<std::string> saved;
};

class AnsweringBoxes : public MessageBoxes {
 public:
  int Show(HWND, const std::string& text, const std::string& title, UINT) override {
    shown.push_back(title + ": " + text);
    if (answers.empty()) return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<std::string> shown;
  std::deque<int> answers;
};

std::vector<std::string> Entries(const EntryList& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.At(i));
  return entries;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void Click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }

// A registry key's string values, name to data; false when the key is missing.
bool ReadValues(HKEY root, const char* path, std::map<std::string, std::string>& values, bool& all_strings) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  all_strings = true;
  for (DWORD index = 0;; ++index) {
    char name[256];
    BYTE data[1024];
    DWORD name_size = sizeof name, data_size = sizeof data, type = 0;
    if (RegEnumValueA(key, index, name, &name_size, nullptr, &type, data, &data_size) != ERROR_SUCCESS) break;
    all_strings = all_strings && type == REG_SZ;
    values[name] = std::string(reinterpret_cast<char*>(data), data_size > 0 ? data_size - 1 : 0);
  }
  RegCloseKey(key);
  return true;
}

bool RunValue(HKEY root, std::string& data) {
  std::map<std::string, std::string> values;
  bool strings = false;
  if (!ReadValues(root, kRunKeyPath, values, strings)) return false;
  auto found = values.find(kStartupEntryName);
  if (found == values.end()) return false;
  data = found->second;
  return strings;
}

void SetMachineRunKeyAccess(const char* sddl) {
  RegistryKey run;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, WRITE_DAC, run.Out());
  ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr);
  EXPECT_EQ(RegSetKeySecurity(run.Get(), DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  LocalFree(descriptor);
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExA(0, "STATIC", "Main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantel Hushwall\\Settings");
    startup_.RemoveStartupEntry(kStartupEntryName);
  }
  void TearDown() override {
    DestroyWindow(owner_);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantel Hushwall\\Settings");
    startup_.RemoveStartupEntry(kStartupEntryName);
  }
  frmSetting* OpenSettings() {
    frmSetting* dialog = windows_.OpenSettings(owner_);
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }

  HWND owner_ = nullptr;
  TestHost host_;
  TestLists lists_;
  AnsweringBoxes boxes_;
  RegistrySettingsStore store_;
  RegistryStartupEntries startup_;
  SettingsWindows windows_{host_, {store_, startup_, lists_, boxes_}};
};

TEST_F(SettingsDialogTest, OkStoresExactlyTheEightStringsAndSetsTheRules) {
  host_.state.Flags() = {0, 1, 0, 0};
  frmSetting* dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(host_.state.Flags().StereotypeWindows, 1) << "opening arms the master rule";
  Click(dialog->ControlHandle("chkSplash"));
  Click(dialog->ControlHandle("chkStereotype"));
  Click(dialog->ControlHandle("chkNoMaxButton"));
  Click(dialog->ControlHandle("cmdOK"));
  EXPECT_EQ(windows_.Settings(), nullptr) << "OK closes the dialog";

  std::map<std::string, std::string> values;
  bool all_strings = false;
  ASSERT_TRUE(ReadValues(HKEY_CURRENT_USER, "Software\\Vantel Hushwall\\Settings", values, all_strings));
  EXPECT_TRUE(all_strings);
  const std::map<std::string, std::string> expected = {
      {"Startup", "0"},    {"Sound", "1"},       {"Splash", "0"},      {"Active", "0"},
      {"NoTitleBar", "0"}, {"NoMaxButton", "1"}, {"NoMinButton", "0"}, {"StereotypeWindows", "1"}};
  EXPECT_EQ(values, expected);
  const RuleFlags& rules = host_.state.Flags();
  EXPECT_EQ(rules.StereotypeWindows, 1);
  EXPECT_EQ(rules.NoMaxButton, 1);
  EXPECT_EQ(rules.NoMinButton, 0);
  EXPECT_EQ(rules.NoTitleBar, 0);
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(SettingsDialogTest, TheRunValueFollowsCheckUncheckCheckQuotedWithThisProgram) {
  frmSetting* dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  HWND start = dialog->ControlHandle("chkStart");
  const std::string expected = "\"" + ProgramFilePath() + "\"";
  std::string data;

  Click(start);
  ASSERT_TRUE(RunValue(HKEY_LOCAL_MACHINE, data));
  EXPECT_EQ(data, expected);
  Click(start);
  EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, data));
  Click(start);
  ASSERT_TRUE(RunValue(HKEY_LOCAL_MACHINE, data));
  EXPECT_EQ(data, expected);
  EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, data)) << "one value only";
  char pending[8] = {};
  GetWindowTextA(dialog->ControlHandle("txtStartup"), pending, sizeof pending);
  EXPECT_STREQ(pending, "1");
}

TEST_F(SettingsDialogTest, WithoutTheMachineKeyTheEntryGoesToTheUserAndRemovalClearsBoth) {
  // A root that cannot be opened stands for a machine key the user may not write.
  RegistryStartupEntries limited(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7f00)), HKEY_CURRENT_USER);
  limited.AddStartupEntry(kStartupEntryName, "\"C:\\hushwall.exe\"");
  std::string data;
  ASSERT_TRUE(RunValue(HKEY_CURRENT_USER, data));
  EXPECT_EQ(data, "\"C:\\hushwall.exe\"");
  EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, data));

  startup_.AddStartupEntry(kStartupEntryName, "\"C:\\hushwall.exe\"");
  ASSERT_TRUE(RunValue(HKEY_LOCAL_MACHINE, data));
  EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, data)) << "the machine-wide value replaces the user's";
  startup_.RemoveStartupEntry(kStartupEntryName);
  EXPECT_FALSE(RunValue(HKEY_LOCAL_MACHINE, data));
  EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, data));
  startup_.AddStartupEntry(kStartupEntryName, "\"C:\\old.exe\"");
  SetMachineRunKeyAccess("D:(A;;KR;;;WD)");
  startup_.AddStartupEntry(kStartupEntryName, "\"C:\\new.exe\"");
  SetMachineRunKeyAccess("D:(A;;KA;;;WD)");
  EXPECT_FALSE(RunValue(HKEY_CURRENT_USER, data)) << "a machine-wide value it may not replace stays the only one";
  ASSERT_TRUE(RunValue(HKEY_LOCAL_MACHINE, data));
  EXPECT_EQ(data, "\"C:\\old.exe\"");
}

TEST_F(SettingsDialogTest, EnterConfirmsOnlyWhenOkHasTheFocus) {
  frmSetting* dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  HWND window = dialog->Handle();
  for (const char* name : {"chkStart", "txtSound", "cmdOK"}) {
    SCOPED_TRACE(name);
    HWND control = dialog->ControlHandle(name);
    SetFocus(control);
    MSG enter{control, WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_TRUE(IsDialogMessageA(window, &enter));
    const bool closed = !IsWindow(window);
    EXPECT_EQ(closed, std::string(name) == "cmdOK");
    if (closed) break;
  }
}

TEST_F(SettingsDialogTest, CleanListAsksAndEmptiesTheListOnlyOnYes) {
  host_.state.RemoveList().Append("one");
  frmSetting* dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  boxes_.answers = {IDNO, IDYES};
  Click(dialog->ControlHandle("cmdCleanList"));
  EXPECT_EQ(host_.state.RemoveList().Count(), 1);
  EXPECT_TRUE(lists_.saved.empty());
  Click(dialog->ControlHandle("cmdCleanList"));
  EXPECT_EQ(host_.state.RemoveList().Count(), 0);
  EXPECT_EQ(lists_.saved, std::vector<std::string>{""});
  EXPECT_EQ(host_.refreshes, 1);
  EXPECT_EQ(boxes_.shown, (std::vector<std::string>{"Clean list: Are you sure ?", "Clean list: Are you sure ?"}));
}

TEST_F(SettingsDialogTest, TheSoundBoxKeepsThePlaySoundOptionInStep) {
  frmSetting* dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  Click(dialog->ControlHandle("chkPopsound"));
  EXPECT_FALSE(host_.state.PlaySound());
  Click(dialog->ControlHandle("chkPopsound"));
  EXPECT_TRUE(host_.state.PlaySound());
}

// Export and import through a folder of real files.
class ListTransferTest : public SettingsDialogTest {
 protected:
  void SetUp() override {
    SettingsDialogTest::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "hushwall transfer " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CreateDirectoryA((folder_ + "\\sub").c_str(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(folder_.c_str());
    settings_ = OpenSettings();
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_);
    for (const char* name : {"round.psl", "again.psl", "gone.psl", "sub\\inner.psl"})
      DeleteFileA((folder_ + "\\" + name).c_str());
    RemoveDirectoryA((folder_ + "\\sub").c_str());
    RemoveDirectoryA(folder_.c_str());
    SettingsDialogTest::TearDown();
  }
  void Export(const std::string& name) {
    Click(settings_->ControlHandle("cmdExportList"));
    frmExport* dialog = windows_.Export();
    ASSERT_NE(dialog, nullptr);
    SetWindowTextA(dialog->ControlHandle("txtFileName"), name.c_str());
    Click(dialog->ControlHandle("cmdSave"));
  }
  frmImport* OpenImport() {
    Click(settings_->ControlHandle("cmdImportList"));
    return windows_.Import();
  }

  std::string folder_;
  char previous_[MAX_PATH] = {};
  frmSetting* settings_ = nullptr;
};

TEST_F(ListTransferTest, ExportThenImportRoundTripsByteForByte) {
  ASSERT_NE(settings_, nullptr);
  const std::vector<std::string> titles = {"Ad, \"big\" - Internet Explorer", "", "x - Opera", "Last one"};
  for (const std::string& title : titles) host_.state.RemoveList().Append(title);
  Export("round");
  EXPECT_EQ(windows_.Export(), nullptr) << "a saved export closes";
  const std::string exported = FileBytes(folder_ + "\\round.psl");
  EXPECT_EQ(exported, FormatListFile(host_.state.RemoveList()));

  host_.state.RemoveList().Clear();
  frmImport* import = OpenImport();
  ASSERT_NE(import, nullptr);
  HWND files = import->ControlHandle("FileFolder");
  EXPECT_EQ(SendMessageA(files, LB_GETCURSEL, 0, 0), LB_ERR) << "nothing selected at opening";
  Click(import->ControlHandle("cmdImport"));
  EXPECT_EQ(boxes_.shown, std::vector<std::string>{"Cannot import: You must select a file first"});
  ASSERT_EQ(windows_.Import(), import);

  ASSERT_NE(SendMessageA(files, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("round.psl")),
            LB_ERR);
  Click(import->ControlHandle("cmdImport"));
  EXPECT_EQ(windows_.Import(), nullptr);
  EXPECT_EQ(Entries(host_.state.RemoveList()), titles);
  EXPECT_EQ(lists_.saved, std::vector<std::string>{exported});
  EXPECT_EQ(host_.refreshes, 1);

  Export("again");
  EXPECT_EQ(FileBytes(folder_ + "\\again.psl"), exported);
  ASSERT_NE(windows_.Settings(), nullptr) << "the settings dialog stayed open";
}

TEST_F(ListTransferTest, AFailedExportTellsWhyAndStaysOpen) {
  ASSERT_NE(settings_, nullptr);
  host_.state.RemoveList().Append("kept");
  Export("no such folder\\list");
  ASSERT_NE(windows_.Export(), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].find("no such folder\\list.psl"), std::string::npos) << boxes_.shown[0];
}

TEST_F(ListTransferTest, AnUnreadableImportNamesTheFileAndChangesNothing) {
  ASSERT_NE(settings_, nullptr);
  std::ofstream(folder_ + "\\gone.psl", std::ios::binary) << "a\r\nb\r\n";
  host_.state.RemoveList().Append("listed");
  frmImport* import = OpenImport();
  ASSERT_NE(import, nullptr);
  SendMessageA(import->ControlHandle("FileFolder"), LB_SELECTSTRING, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>("gone.psl"));
  DeleteFileA((folder_ + "\\gone.psl").c_str());
  Click(import->ControlHandle("cmdImport"));
  EXPECT_EQ(windows_.Import(), import);
  EXPECT_EQ(Entries(host_.state.RemoveList()), std::vector<std::string>{"listed"});
  EXPECT_TRUE(lists_.saved.empty());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_NE(boxes_.shown[0].find("gone.psl"), std::string::npos) << boxes_.shown[0];
}

TEST_F(ListTransferTest, OpeningAFolderListsItsFilesAndSelectsTheFirst) {
  ASSERT_NE(settings_, nullptr);
  std::ofstream(folder_ + "\\sub\\inner.psl", std::ios::binary) << "t\r\n";
  frmImport* import = OpenImport();
  ASSERT_NE(import, nullptr);
  EXPECT_EQ(OpenImport(), import) << "one import dialog";
  HWND folders = import->ControlHandle("Dir1");
  ASSERT_NE(SendMessageA(folders, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("[sub]")),
            LB_ERR);
  SendMessageA(import->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(folders), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(folders));
  EXPECT_EQ(import->Browser().Folder(), folder_ + "\\sub");
  HWND files = import->ControlHandle("FileFolder");
  EXPECT_EQ(SendMessageA(files, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageA(files, LB_GETCURSEL, 0, 0), 0);
  char shown[MAX_PATH] = {};
  GetWindowTextA(import->ControlHandle("lblPath"), shown, MAX_PATH);
  EXPECT_EQ(std::string(shown), folder_ + "\\sub") << "the open folder is visible";
  EXPECT_TRUE(GetWindowLongA(import->ControlHandle("lblPath"), GWL_STYLE) & SS_NOPREFIX) << "\"A&B\" shows whole";
  Click(import->ControlHandle("cmdCancel"));
  GetCurrentDirectoryA(MAX_PATH, shown);
  EXPECT_EQ(std::string(shown), folder_) << "browsing leaves the process's folder";
  ASSERT_NE(import = OpenImport(), nullptr);
  EXPECT_EQ(import->Browser().Folder(), folder_) << "a reopened dialog starts where the first did";
}

TEST_F(ListTransferTest, ADriveThatIsNotReadyIsReportedAndTheListGoesBack) {
  ASSERT_NE(settings_, nullptr);
  frmImport* import = OpenImport();
  ASSERT_NE(import, nullptr);
  HWND drives = import->ControlHandle("Drive1");
  const LRESULT before = SendMessageA(drives, CB_GETCURSEL, 0, 0);
  ASSERT_NE(before, CB_ERR);
  const std::string folder = import->Browser().Folder();
  // No drive Q: in the test prefix.
  const LRESULT missing = SendMessageA(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("[-q-]"));
  SendMessageA(drives, CB_SETCURSEL, missing, 0);
  SendMessageA(import->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(drives));
  EXPECT_EQ(boxes_.shown, std::vector<std::string>{"Vantel HushWall: Drive Q: is not ready."});
  char item[16] = {};
  SendMessageA(drives, CB_GETLBTEXT, SendMessageA(drives, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(item));
  char expected[16] = {};
  SendMessageA(drives, CB_GETLBTEXT, before, reinterpret_cast<LPARAM>(expected));
  EXPECT_STREQ(item, expected);
  EXPECT_EQ(import->Browser().Folder(), folder);
}

TEST_F(SettingsDialogTest, EachDialogFocusesItsFirstTabStopAndTabsThroughAllBelowTheEdgeToo) {
  const auto expect = [](auto* dialog, const char* first, const char* second) {
    ASSERT_NE(dialog, nullptr);
    test::ExpectKeyboardFocus(dialog->Handle(), dialog->ControlHandle(first), dialog->ControlHandle(second));
  };
  expect(OpenSettings(), "chkStart", "txtStartup");
  expect(windows_.OpenExport(), "dir", "drv");
  expect(windows_.OpenImport(), "cmdCancel", "cmdImport");
}

}  // namespace
}  // namespace hushwall
