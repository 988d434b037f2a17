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
    const RemoveListLoad load = LoadListFiles(state, folder.Path());
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
  const RemoveListLoad load = LoadListFiles(state, folder.Path());
  EXPECT_EQ(load.not_loaded, 40000 - EntryList::kMaxEntries);
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
  fs::create_directory(folder.File("RemList.dat.tmp"));  // the temporary file cannot be made
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
  EXPECT_FALSE(fs::exists(folder.File("Blocked.log.tmp")));
}

}  // namespace
}  // namespace hushwall
