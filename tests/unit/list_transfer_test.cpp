// Merging an imported list into the remove list, the export path and the start
// entry's command line.
#include "settings/list_transfer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "settings/startup_entry.h"

namespace hushwall {
namespace {

std::vector<std::string> Entries(const EntryList& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(list.At(i));
  return entries;
}

TEST(ImportMergeTest, AppendsNewTitlesOnceInFileOrder) {
  struct Case {
    const char* name;
    std::vector<std::string> before;
    std::vector<std::string> file;
    std::vector<std::string> after;
    int added;
  };
  const Case cases[] = {
      {"into an empty list", {}, {"b", "a, \"quoted\"", "c"}, {"b", "a, \"quoted\"", "c"}, 3},
      {"a title repeated in the file", {}, {"x", "y", "x", "x"}, {"x", "y"}, 2},
      {"titles already listed are skipped", {"a", "b"}, {"b", "a"}, {"a", "b"}, 0},
      {"letter case counts", {"Ad - Internet Explorer"}, {"ad - internet explorer", "Ad - Internet Explorer"},
       {"Ad - Internet Explorer", "ad - internet explorer"}, 1},
      {"new titles go to the end", {"m"}, {"z", "m", "a"}, {"m", "z", "a"}, 2},
      {"an empty line is a title", {}, {"", "a", ""}, {"", "a"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntryList list;
    for (const std::string& entry : c.before) list.Append(entry);
    const ImportMerge merge = MergeImportedTitles(list, c.file);
    EXPECT_EQ(Entries(list), c.after);
    EXPECT_EQ(merge.added, c.added);
    EXPECT_EQ(merge.not_added, 0);
  }
}

TEST(ImportMergeTest, StopsAtTheListLimitAndCountsEachLeftOutTitleOnce) {
  EntryList list;
  for (int i = 0; i < EntryList::kMaxEntries - 2; ++i) list.Append("old " + std::to_string(i));
  const ImportMerge merge = MergeImportedTitles(list, {"old 5", "new 1", "new 2", "new 3", "new 3", "new 4", "new 1"});
  EXPECT_EQ(merge.added, 2);
  EXPECT_EQ(merge.not_added, 2) << "new 3 and new 4, each once";
  EXPECT_EQ(list.Count(), EntryList::kMaxEntries);
  EXPECT_EQ(list.At(EntryList::kMaxEntries - 1), "new 2");
  EXPECT_NE(RemoveListFullMessage(merge.not_added).find("2 titles were not added"), std::string::npos);
}

// A file with no title a window can carry changes nothing; a good file is read up
// to a line no list holds, and into a full list what was left out is counted.
TEST(ImportListFileTest, ReadsInBoundedStepsAndChangesNothingWithoutUsableTitles) {
  const std::string huge(2 << 20, 'a');
  struct Case {
    std::string bytes;
    int room;
    bool merged;
    int added, not_added;
    const char* says;
  } cases[] = {
      {std::string("\x01\0\xff\r\n\0\0junk", 10), 5, false, 0, 0, ""},
      {huge, 5, false, 0, 0, ""},
      {"new\r\nold\r\n" + huge + "\r\nlater\r\n", 5, true, 1, 0, "Only the first part of the list file"},
      {"n1\r\nold\r\nn2\r\nn3\r\nn2\r\n", 1, true, 1, 2, "The remove list is full: 2 titles were"},
  };
  const std::string path = (std::filesystem::temp_directory_path() / "hushwall-import.psl").string();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.says);
    std::ofstream(path, std::ios::binary) << c.bytes;
    EntryList list;
    list.Append("old");
    for (int i = 1; i < EntryList::kMaxEntries - c.room; ++i) list.Append("x");
    const int before = list.Count();
    const ImportResult result = ImportListFile(list, path);
    EXPECT_EQ(result.Merged(), c.merged);
    EXPECT_EQ(list.Count() - before, c.added);
    EXPECT_EQ(result.merge.not_added, c.not_added);
    EXPECT_EQ(ImportResultMessage(result).rfind(c.says, 0), 0u) << ImportResultMessage(result);
  }
  std::filesystem::remove(path);
}

TEST(PathJoinTest, FolderAndFileMeetAtExactlyOneBackslash) {
  struct Case {
    std::string folder, file, joined;
  };
  const Case cases[] = {
      {"C:\\Program Files\\Hush Wall", "hushwall.exe", "C:\\Program Files\\Hush Wall\\hushwall.exe"},
      {"C:\\", "hushwall.exe", "C:\\hushwall.exe"},
      {"D:\\lists\\", "PopUps.psl", "D:\\lists\\PopUps.psl"},
      {"", "PopUps.psl", "PopUps.psl"},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinFolderAndFile(c.folder, c.file), c.joined) << c.folder;
  EXPECT_EQ(ExportFilePath("C:\\", ""), "C:\\.psl") << "an empty name box";
  EXPECT_EQ(ExportFilePath("C:\\lists", "my list"), "C:\\lists\\my list.psl");
}

TEST(StartupCommandLineTest, QuotesThePathSoBlanksDoNotSplitIt) {
  EXPECT_EQ(StartupCommandLine("C:\\Program Files\\Hush Wall\\hushwall.exe"),
            "\"C:\\Program Files\\Hush Wall\\hushwall.exe\"");
  EXPECT_EQ(StartupCommandLine(JoinFolderAndFile("C:\\", "hushwall.exe")), "\"C:\\hushwall.exe\"");
}

TEST(BrowseFailureTest, OnlyADriveThatIsNotReadyIsCalledSo) {
  EXPECT_EQ(BrowseFailureMessage("Q:", false, ""), "Drive Q: is not ready.");
  EXPECT_EQ(BrowseFailureMessage("Q:", true, "Q:\\gone"), "The folder \"Q:\\gone\" could not be listed.");
}

}  // namespace
}  // namespace hushwall
