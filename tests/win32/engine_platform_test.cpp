// The engine's Windows adapters against the real system: the embedded sound, the
// "Can't play sound" box, the user's date and time formats, and list files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/alert_sound_win32.h"
#include "platform/program_names.h"
#include "engine/desktop_win32.h"
#include "engine/engine.h"
#include "engine/list_files_win32.h"
#include "engine/log_clock_win32.h"
#include "support/test_desktop_win32.h"
#include "support/window_thread_win32.h"

namespace hushwall {
namespace {

Win32MessageBoxes test_boxes;

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}
unsigned Le16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8;
}

TEST(AlertSound, TheEmbeddedSoundIsAShortPcmWave) {
  Win32AlertSound sound;
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(sound.LoadResource("SOUND1", "WAVE", bytes));
  ASSERT_EQ(bytes.size(), 44u + 906u);
  EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
  EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(Le16(bytes, 20), 1u);      // PCM
  EXPECT_EQ(Le16(bytes, 22), 1u);      // mono
  EXPECT_EQ(Le32(bytes, 24), 11025u);  // samples per second
  EXPECT_EQ(Le16(bytes, 34), 8u);      // bits per sample
  EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
  EXPECT_EQ(Le32(bytes, 40), 906u);
}

struct NoListener : BlockListener {
  void OnLoggedBlock() override {}
};

// A hidden browser window without boxes, owned by another thread: a message box
// on this thread would otherwise hand it the close requests.
std::vector<test::WindowThread::Window> Popup(const char* title) {
  return {{title, WS_POPUP | WS_CAPTION}};
}

// One scan tick over a box-less browser window with two remove-list entries that do
// not match it: two close actions, so two alerts.
struct TwoAlertTick {
  explicit TwoAlertTick(const char* title) : popup(Popup(title)) {
    for (const char* entry : {"x", "y"}) state.RemoveList().Append(entry);
  }
  void Run(Win32AlertSound& sound) {
    Win32Desktop desktop;
    Win32LogClock clock;
    NoListener listener;
    {
      BlockingEngine engine(state, desktop, sound, clock, listener);
      engine.Tick();
    }
    popup.Flush();
  }

  test::MessageBoxWatcher watcher{kApplicationTitle};
  test::WindowThread popup;
  BlockingState state;
};

TEST(AlertSound, PlayingTheRealSoundAtEveryCloseReportsNothing) {
  ASSERT_TRUE(test::UseOwnDesktop());
  TwoAlertTick tick("Sound check - Opera");
  Win32AlertSound sound;
  tick.Run(sound);
  EXPECT_EQ(tick.popup.Closes(0), 2);
  EXPECT_EQ(tick.state.BlockedCount(), 2);
  EXPECT_TRUE(tick.watcher.Boxes().empty());
}

TEST(AlertSound, AMissingSoundIsReportedAtEachCloseAndTheWindowIsStillClosed) {
  ASSERT_TRUE(test::UseOwnDesktop());
  TwoAlertTick tick("No sound - Netscape");
  Win32AlertSound sound(GetModuleHandleA("kernel32.dll"));  // a module without the sound
  tick.Run(sound);
  EXPECT_EQ(tick.popup.Closes(0), 2);
  EXPECT_EQ(tick.state.BlockedCount(), 2);
  const auto boxes = tick.watcher.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.text, "Can't play sound");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
  }
}

std::string Formatted(bool date, const SYSTEMTIME& time) {
  char text[128] = "";
  if (date) {
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
  } else {
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
  }
  return text;
}

// What the clock should say, read just before and just after it, for a change of
// second in between.
void ExpectClockMatchesTheLocale() {
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  const std::string now = Win32LogClock().Now();
  GetLocalTime(&after);
  const std::string expected_before = Formatted(true, before) + " " + Formatted(false, before);
  const std::string expected_after = Formatted(true, after) + " " + Formatted(false, after);
  EXPECT_TRUE(now == expected_before || now == expected_after)
      << now << " is neither " << expected_before << " nor " << expected_after;
}

// Changes one of the user's regional formats and puts it back at the end.
class UserLocaleFormat {
 public:
  UserLocaleFormat(LCTYPE type, const char* value) : type_(type) {
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type_, previous_, sizeof previous_);
    changed_ = SetLocaleInfoA(LOCALE_USER_DEFAULT, type_, value);
  }
  ~UserLocaleFormat() {
    if (changed_) SetLocaleInfoA(LOCALE_USER_DEFAULT, type_, previous_);
  }
  bool Changed() const { return changed_; }

 private:
  LCTYPE type_;
  char previous_[128] = "";
  bool changed_ = false;
};

TEST(LogClock, UsesTheUsersShortDateAndLongTimeFormats) {
  ExpectClockMatchesTheLocale();
  const UserLocaleFormat date(LOCALE_SSHORTDATE, "yyyy'y'MM'm'dd'd'");
  const UserLocaleFormat time(LOCALE_STIMEFORMAT, "HH'h'mm'm'ss's'");
  ASSERT_TRUE(date.Changed() && time.Changed());
  const std::string now = Win32LogClock().Now();
  ASSERT_EQ(now.size(), std::string("2024y01m02d 15h04m05s").size()) << now;
  EXPECT_EQ(now.substr(4, 1) + now.substr(7, 1) + now.substr(10, 1), "ymd") << now;
  EXPECT_EQ(now.substr(14, 1) + now.substr(17, 1) + now.substr(20, 1), "hms") << now;
  ExpectClockMatchesTheLocale();
}

TEST(ListFilesOnWindows, SavingReplacesThePreviousFileWholeAndLeavesNoTemporaryFile) {
  test::TempFolder folder;
  const std::string path = folder.File("RemList.dat");
  ASSERT_TRUE(test::WriteWholeFile(path, std::string(5000, 'o') + "\r\n"));
  const std::string users[] = {path + ".tmp", TemporaryFileName(path, 0)};
  for (const std::string& user : users) ASSERT_TRUE(test::WriteWholeFile(user, "mine"));
  BlockingState state;
  for (const char* entry : {"Ad - Opera", "  , \"q\" "}) state.RemoveList().Append(entry);
  EXPECT_TRUE(SaveRemoveListOrWarn(test_boxes, nullptr, state, folder.Path()));
  EXPECT_EQ(test::ReadWholeFile(path), "Ad - Opera\r\n  , \"q\" \r\n");
  for (const std::string& user : users) EXPECT_EQ(test::ReadWholeFile(user), "mine");
  EXPECT_EQ(GetFileAttributesA(TemporaryFileName(path, 1).c_str()), INVALID_FILE_ATTRIBUTES);

  BlockingState loaded;
  LoadListFiles(loaded, folder.Path());
  ASSERT_EQ(loaded.RemoveList().Count(), 2);
  EXPECT_EQ(loaded.RemoveList().At(1), "  , \"q\" ");
}

TEST(ListFilesOnWindows, AFailedSaveKeepsTheOldFileAndTellsTheUserWhichAndWhy) {
  ASSERT_TRUE(test::UseOwnDesktop());
  test::TempFolder folder;
  const std::string path = folder.File("Blocked.log");
  const std::string previous = "1/2/2024 3:04:05 PM Ad - Opera\r\n";
  ASSERT_TRUE(test::WriteWholeFile(path, previous));
  // Another program holds the file open, so it cannot be replaced.
  HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  BlockingState state;
  state.AppendLogLine("a newer line");

  test::MessageBoxWatcher watcher(kApplicationTitle);
  EXPECT_FALSE(SaveBlockedLogOrWarn(test_boxes, nullptr, state, folder.Path()));
  CloseHandle(holder);

  EXPECT_EQ(test::ReadWholeFile(path), previous);
  EXPECT_EQ(GetFileAttributesA(TemporaryFileName(path, 0).c_str()), INVALID_FILE_ATTRIBUTES);
  const auto boxes = watcher.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(path), std::string::npos) << boxes[0].text;
  const bool says_why =
      boxes[0].text.find(SystemErrorText(ERROR_ACCESS_DENIED)) != std::string::npos ||
      boxes[0].text.find(SystemErrorText(ERROR_SHARING_VIOLATION)) != std::string::npos;
  EXPECT_TRUE(says_why) << boxes[0].text;
  EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
}

TEST(ListFilesOnWindows, ALockedRemoveListDoesNotKeepTheLogFromLoading) {
  test::TempFolder folder;
  ASSERT_TRUE(test::WriteWholeFile(folder.File("RemList.dat"), "entry\r\n"));
  ASSERT_TRUE(test::WriteWholeFile(folder.File("Blocked.log"), "line 1\r\nline 2\r\n"));
  HANDLE lock = CreateFileA(folder.File("RemList.dat").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  BlockingState state;
  LoadListFiles(state, folder.Path());
  CloseHandle(lock);
  EXPECT_EQ(state.RemoveList().Count(), 0);
  ASSERT_EQ(state.BlockedLog().Count(), 2);
  EXPECT_EQ(state.BlockedLog().At(1), "line 2");
}

}  // namespace
}  // namespace hushwall
