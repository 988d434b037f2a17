#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/list_files.h"

namespace hushwall {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using namespace std::string_literals;

class TempFolder {
 public:
  // A new folder of a random name: the tests also run under Wine, which has no mkdtemp.
  TempFolder() {
    std::random_device random;
    fs::path folder;
    do {
      folder = fs::temp_directory_path() / ("hushwall-" + std::to_string(random()));
    } while (!fs::create_directory(folder));
    path_ = folder.string();
  }
  ~TempFolder() { fs::remove_all(path_); }
  std::string Path() const { return path_; }
  std::string File(const char* name) const { return ListFilePath(path_, name); }

 private:
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Strings Entries(const EntryList& list) {
  Strings entries;
  for (int index = 0; index < list.Count(); ++index) entries.push_back(list.At(index));
  return entries;
}

EntryList ListOf(const Strings& entries) {
  EntryList list;
  for (const std::string& entry : entries) list.Append(entry);
  return list;
}

std::string Lines(int count, const char* prefix) {
  std::string bytes;
  for (int index = 0; index < count; ++index) bytes += prefix + std::to_string(index) + "\r\n";
  return bytes;
}

TEST(ListFileFormat, SplitsOnlyAtCarriageReturnLineFeed) {
  struct Case {
    std::string bytes;
    Strings entries;
  };
  const Case cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"a\r\n", {"a"}},
      {"a", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\rb\nc\r\n", {"a\rb\nc"}},
      {"a\r\r\n", {"a\r"}},
      {"a\n\r\n", {"a\n"}},
      {"\r", {"\r"}},
      {"\n\n", {"\n\n"}},
      {"x\0y\r\n\0"s, {"x\0y"s, "\0"s}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseListFile(c.bytes), c.entries) << testing::PrintToString(c.bytes);
}

TEST(ListFileFormat, WritesEveryEntryAsItIsWithCarriageReturnLineFeed) {
  const Strings entries = {"a, b", "\"quoted\"", "  leading", "trailing  ", "", "last"};
  EXPECT_EQ(FormatListFile(ListOf(entries)),
            "a, b\r\n\"quoted\"\r\n  leading\r\ntrailing  \r\n\r\nlast\r\n");
  EXPECT_EQ(ParseListFile(FormatListFile(ListOf(entries))), entries);
  EXPECT_EQ(FormatListFile(EntryList()), "");
}

// Whatever the bytes, reading and writing back gives the same bytes, except that a
// final line gains its CR LF.
TEST(ListFileFormat, JunkSurvivesAReadWriteRoundTrip) {
  std::mt19937 random(3);
  const char alphabet[] = {'\r', '\n', '\0', 'a', ',', '"', ' ', '\xff'};
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(random() % 30, ' ');
    for (char& byte : bytes) byte = alphabet[random() % sizeof alphabet];
    const std::string written = FormatListFile(ListOf(ParseListFile(bytes)));
    const bool complete = bytes.empty() || bytes.ends_with("\r\n");
    ASSERT_EQ(written, complete ? bytes : bytes + "\r\n") << testing::PrintToString(bytes);
  }
}

TEST(ListFileFormat, PathUsesTheDirectorysOwnSeparator) {
  EXPECT_EQ(ListFilePath("C:\\Program Files\\HushWall", "RemList.dat"),
            "C:\\Program Files\\HushWall\\RemList.dat");
  EXPECT_EQ(ListFilePath("C:", "RemList.dat"), "C:\\RemList.dat");
  EXPECT_EQ(ListFilePath("C:\\", "RemList.dat"), "C:\\RemList.dat");
  EXPECT_EQ(ListFilePath("/opt/hushwall", "Blocked.log"), "/opt/hushwall/Blocked.log");
  EXPECT_EQ(ListFilePath("/opt/hushwall/", "Blocked.log"), "/opt/hushwall/Blocked.log");
  EXPECT_EQ(ListFilePath("", "Blocked.log"), "Blocked.log");
}

TEST(LoadListFiles, FillsBothListsInFileOrder) {
  TempFolder folder;
  WriteFile(folder.File("RemList.dat"), "Ad - Opera\r\n, \"x\" \r\nAd - Opera\r\n");
  WriteFile(folder.File("Blocked.log"), "1/2/2024 3:04:05 PM Ad - Opera\r\nno line end");
  BlockingState state;
  LoadListFiles(state, folder.Path());
  EXPECT_EQ(Entries(state.RemoveList()), (Strings{"Ad - Opera", ", \"x\" ", "Ad - Opera"}));
  EXPECT_EQ(Entries(state.BlockedLog()),
            (Strings{"1/2/2024 3:04:05 PM Ad - Opera", "no line end"}));
  EXPECT_EQ(state.BlockedCount(), 0);
}

TEST(LoadListFiles, LoadsTheLogEvenWhenTheRemoveListCannotBeRead) {
  for (const bool as_folder : {false, true}) {
    TempFolder folder;
    if (as_folder)
      fs::create_directory(folder.File("RemList.dat"));  // exists, unreadable as a file
    WriteFile(folder.File("Blocked.log"), "line 1\r\nline 2\r\n");
    BlockingState state;
    const RemoveListLoad load = LoadListFiles(state, folder.Path()).removes;
    EXPECT_EQ(state.RemoveList().Count(), 0);
    EXPECT_EQ(Entries(state.BlockedLog()), (Strings{"line 1", "line 2"})) << as_folder;
    // A missing file is an empty list; a folder in its place is a failure to report.
    EXPECT_EQ(load.read.exists, as_folder);
    EXPECT_EQ(load.Partial(), as_folder);
    EXPECT_EQ(RemoveListLoadMessage(load).empty(), !as_folder);
    if (as_folder) {
      EXPECT_NE(RemoveListLoadMessage(load).find(load.read.reason), std::string::npos);
    }
  }
}

TEST(LoadListFiles, AMissingLogLeavesOnlyTheLogEmpty) {
  TempFolder folder;
  WriteFile(folder.File("RemList.dat"), "a\r\n");
  BlockingState state;
  LoadListFiles(state, folder.Path());
  EXPECT_EQ(Entries(state.RemoveList()), Strings{"a"});
  EXPECT_EQ(state.BlockedLog().Count(), 0);
}

TEST(LoadListFiles, OverlongFilesKeepTheFirstEntriesAndTheNewestLogLines) {
  TempFolder folder;
  WriteFile(folder.File("RemList.dat"), Lines(40000, "entry "));
  WriteFile(folder.File("Blocked.log"), Lines(40000, "line "));
  BlockingState state;
  const ListFilesLoad loads = LoadListFiles(state, folder.Path());
  const RemoveListLoad& load = loads.removes;
  EXPECT_EQ(load.not_loaded, 40000 - EntryList::kMaxEntries);
  EXPECT_TRUE(loads.log.Partial());
  EXPECT_NE(ListFilesLoadMessage(loads).find("only its newest lines"), std::string::npos);
  EXPECT_NE(RemoveListLoadMessage(load).find(" 7233 titles more"), std::string::npos);
  const EntryList& removes = state.RemoveList();
  const EntryList& log = state.BlockedLog();
  ASSERT_EQ(removes.Count(), EntryList::kMaxEntries);
  EXPECT_EQ(removes.At(0), "entry 0");
  EXPECT_EQ(removes.At(removes.Count() - 1), "entry 32766");
  ASSERT_EQ(log.Count(), EntryList::kMaxEntries);
  EXPECT_EQ(log.At(0), "line 7233");
  EXPECT_EQ(log.At(log.Count() - 1), "line 39999");
}

TEST(LoadListFiles, ALogFileOverTheTextBudgetKeepsItsNewestLinesThatFit) {
  TempFolder folder;
  const std::size_t mib = 1024 * 1024;
  std::string bytes;
  for (char name : {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j'})
    bytes += std::string(mib - 1, name) + "\r\n";  // 1 MiB - 1 of text each
  bytes += std::string(BlockingState::kLogTextBudget + 5, 'z');  // last, over the budget alone
  WriteFile(folder.File("Blocked.log"), bytes.substr(0, 10 * (mib + 1)));
  BlockingState state;
  LoadListFiles(state, folder.Path());
  ASSERT_EQ(state.BlockedLog().Count(), 8);
  EXPECT_EQ(state.BlockedLog().At(0)[0], 'c');
  EXPECT_EQ(state.BlockedLog().At(7)[0], 'j');

  WriteFile(folder.File("Blocked.log"), bytes);
  BlockingState huge;
  LoadListFiles(huge, folder.Path());
  ASSERT_EQ(huge.BlockedLog().Count(), 1);
  EXPECT_TRUE(huge.BlockedLog().At(0).ends_with(BlockingState::kShortenedMark));
}

TEST(LoadListFiles, AMegabyteLineIsOneEntry) {
  TempFolder folder;
  const std::string line(1 << 20, 'x');
  WriteFile(folder.File("RemList.dat"), "short\r\n" + line + "\r\nafter");
  BlockingState state;
  LoadListFiles(state, folder.Path());
  ASSERT_EQ(state.RemoveList().Count(), 3);
  EXPECT_EQ(state.RemoveList().At(1), line);
  EXPECT_EQ(state.RemoveList().At(2), "after");
}

// The reader's steps must not show: entries split at a step's edge, a CR LF across
// it, and lines at and past the longest a list holds.
TEST(ListFileReader, ReadsAsTheFormatSaysWhereverItsStepsEnd) {
  const std::size_t step = 64 * 1024;
  const std::string at_limit(kMaxListLineBytes, 'x');
  const std::string cases[] = {
      std::string(step - 1, 'a') + "\r\nb",  std::string(step - 2, 'a') + "\r\n\r\n",
      std::string(step - 1, 'a') + "\r\r\n",  std::string(step, 'a') + "\n\r\n",
      "x\r\n" + at_limit + "\r\n" + at_limit, at_limit + "\r",
  };
  TempFolder folder;
  for (const std::string& bytes : cases) {
    WriteFile(folder.File("list.psl"), bytes);
    ListFileReader reader(folder.File("list.psl"));
    Strings read;
    for (std::string entry; reader.Next(entry);) read.push_back(entry);
    EXPECT_TRUE(reader.Result().complete && reader.AtEnd());
    EXPECT_EQ(read, ParseListFile(bytes)) << bytes.size();
  }
  WriteFile(folder.File("list.psl"), "a\r\n" + at_limit + "yz\r\nb\r\n");
  ListFileReader reader(folder.File("list.psl"));
  std::string entry;
  EXPECT_TRUE(reader.Next(entry));
  EXPECT_FALSE(reader.Next(entry));
  EXPECT_TRUE(reader.Result().Failed() && reader.Result().over_long) << reader.Result().reason;
}

// Loading stops at what the list keeps; what was left is counted, exactly within
// the counting reach and as a lower bound past it.
TEST(LoadListFiles, LeftOutTitlesAreCountedWithoutKeepingThem) {
  TempFolder folder;
  const std::string title(300, 't');
  std::string bytes;
  for (int index = 0; index < 40000; ++index) bytes += title + "\r\n";  // 10 MB: past the text budget
  WriteFile(folder.File("RemList.dat"), bytes);
  BlockingState state, full;
  RemoveListLoad load = LoadListFiles(state, folder.Path()).removes;
  const int kept = int(kListReadTextBudget / title.size());
  EXPECT_TRUE(state.RemoveList().Count() == kept && load.not_loaded == 40000 - kept && !load.at_least);
  WriteFile(folder.File("RemList.dat"), Lines(32767, "t") + std::string(kListCountingBytes + 5, 'z'));
  load = LoadListFiles(full, folder.Path()).removes;
  EXPECT_TRUE(load.at_least && load.not_loaded == 1);
  EXPECT_NE(RemoveListLoadMessage(load).find("holds at least 1 title more"), std::string::npos);
}

struct AnsweringSaveHost : ListFileSaves::Host {
  bool AskYesNo(const std::string& text, const std::string& title) override {
    asked.push_back(title + ": " + text);
    return answer;
  }
  bool Write(const EntryList&, const std::string&) override { return ++writes > failing_writes; }
  bool answer = false;
  int writes = 0;
  int failing_writes = 0;
  Strings asked;
};

// Whichever command saves, a file not wholly read (or kept) is replaced only on Yes, asked until a
// save has gone through; erasing the log goes ahead.
TEST(ListFileSaves, AFileNotWhollyReadIsReplacedOnlyWithConsent) {
  using Save = bool (ListFileSaves::*)(const BlockingState&, ListFileSaves::Host&);
  struct Case {
    const char* file;
    std::string content;
    Save save;
    const char* title;
    int failing_writes = 0;
    int blocks_after_load = 0;
    std::string says = "\" was not wholly read";
  } cases[] = {{"RemList.dat", Lines(40000, "line "), &ListFileSaves::SaveRemoveList, "Save remove list"},
               {"Blocked.log", Lines(40000, "line "), &ListFileSaves::SaveBlockedLog, "Save log"},
               {"Blocked.log", Lines(40000, "line "), &ListFileSaves::EraseBlockedLog, nullptr},
               {"Blocked.log", std::string((8 << 20) + 99, 'x') + "\r\n", &ListFileSaves::SaveBlockedLog, "Save log"},
               {"Blocked.log", Lines(32767, "line "), &ListFileSaves::SaveBlockedLog, "Save log", 0, 1, "\" holds older"},
               {"RemList.dat", Lines(40000, "line "), &ListFileSaves::SaveRemoveList, "Save remove list", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content.size());
    TempFolder folder;
    WriteFile(folder.File(c.file), c.content);
    ListFileSaves saves(folder.Path());
    BlockingState state;
    saves.Load(state);
    for (int block = 0; block < c.blocks_after_load; ++block) state.AppendLogLine("new");
    AnsweringSaveHost host;
    host.failing_writes = c.failing_writes;
    EXPECT_EQ((saves.*c.save)(state, host), !c.title);
    if (c.title) {
      ASSERT_EQ(host.asked.size(), 1u);
      EXPECT_EQ(host.asked[0].rfind(std::string(c.title) + ": The ", 0), 0u);
      EXPECT_NE(host.asked[0].find(folder.File(c.file) + c.says), std::string::npos) << host.asked[0];
      host.answer = true;
      for (int failing = 0; failing < c.failing_writes; ++failing) EXPECT_FALSE((saves.*c.save)(state, host));
      EXPECT_TRUE((saves.*c.save)(state, host));
    }
    EXPECT_TRUE((saves.*c.save)(state, host)) << "no question once a save went through";
    EXPECT_EQ(host.asked.size(), c.title ? 2u + c.failing_writes : 0u);
    EXPECT_EQ(host.writes, 2 + c.failing_writes);
  }
}

TEST(SaveListFiles, ALoadedFileIsSavedBackByteForByte) {
  TempFolder folder;
  const std::string removes = "Ad - Opera\r\n  spaced , \"quoted\"  \r\n\r\nAd - Opera\r\n";
  const std::string log = "1/2/2024 3:04:05 PM Ad - Opera\r\n";
  WriteFile(folder.File("RemList.dat"), removes);
  WriteFile(folder.File("Blocked.log"), log);
  BlockingState state;
  LoadListFiles(state, folder.Path());
  StdAtomicFileWriter writer;
  EXPECT_TRUE(SaveRemoveList(state, folder.Path(), writer).saved);
  EXPECT_TRUE(SaveBlockedLog(state, folder.Path(), writer).saved);
  EXPECT_EQ(ReadFile(folder.File("RemList.dat")), removes);
  EXPECT_EQ(ReadFile(folder.File("Blocked.log")), log);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

TEST(SaveListFiles, AnEmptyListIsAnEmptyFile) {
  TempFolder folder;
  WriteFile(folder.File("Blocked.log"), "old line\r\n");
  BlockingState state;
  StdAtomicFileWriter writer;
  const SaveResult result = SaveBlockedLog(state, folder.Path(), writer);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(result.path, folder.File("Blocked.log"));
  EXPECT_TRUE(fs::exists(result.path));
  EXPECT_EQ(fs::file_size(result.path), 0u);
}

TEST(SaveListFiles, AFailedSaveKeepsThePreviousFileAndSaysWhy) {
  TempFolder folder;
  const std::string previous = "kept 1\r\nkept 2\r\n";
  WriteFile(folder.File("RemList.dat"), previous);
  for (unsigned n = 0; n < 100; ++n) fs::create_directory(TemporaryFileName(folder.File("RemList.dat"), n));  // none free
  BlockingState state;
  state.RemoveList().Append("new");
  StdAtomicFileWriter writer;
  const SaveResult result = SaveRemoveList(state, folder.Path(), writer);
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(result.path, folder.File("RemList.dat"));
  EXPECT_FALSE(result.reason.empty());
  EXPECT_EQ(ReadFile(folder.File("RemList.dat")), previous);
  const std::string message = SaveFailureMessage(result);
  EXPECT_NE(message.find(result.path), std::string::npos);
  EXPECT_NE(message.find(result.reason), std::string::npos);
  EXPECT_NE(message.find("previous file has been kept unchanged"), std::string::npos);
  fs::remove(folder.File("RemList.dat"));
  const std::string none = SaveFailureMessage(SaveRemoveList(state, folder.Path(), writer));
  EXPECT_EQ(none.find("previous file"), std::string::npos) << "no file was there to keep: " << none;
}

TEST(SaveListFiles, AFailedReplaceRemovesItsTemporaryFile) {
  TempFolder folder;
  fs::create_directory(folder.File("Blocked.log"));
  WriteFile(folder.File("Blocked.log") + "/inside", "x");  // a folder that cannot be replaced
  BlockingState state;
  state.AppendLogLine("line");
  StdAtomicFileWriter writer;
  const SaveResult result = SaveBlockedLog(state, folder.Path(), writer);
  EXPECT_FALSE(result.saved);
  EXPECT_FALSE(result.reason.empty());
  EXPECT_TRUE(fs::is_directory(folder.File("Blocked.log")));
  EXPECT_FALSE(fs::exists(TemporaryFileName(folder.File("Blocked.log"), 0)));
}

}  // namespace
}  // namespace hushwall
