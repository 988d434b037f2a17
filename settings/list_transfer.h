#pragma once
// The rules of exporting the remove list to a ".psl" list file and of merging one
// into it.
#include <string>
#include <vector>

#include "engine/blocking_state.h"
#include "engine/list_files.h"

namespace hushwall {

inline constexpr char kListFileExtension[] = ".psl";

// The export file: the folder, one backslash, the name exactly as typed, ".psl".
std::string ExportFilePath(const std::string& folder, const std::string& name);

struct ImportMerge {
  int added = 0;
  int not_added = 0;  // new titles left out because the list was full, each counted once
};

// Appends, in file order, each title the list does not hold yet (exact comparison),
// so a title repeated in the file is added once. Stops adding when the list is full.
ImportMerge MergeImportedTitles(EntryList& list, const std::vector<std::string>& titles);

// How importing a list file went.
struct ImportResult {
  std::string path;
  ListFileRead read;
  bool usable = false;  // the file held a title a window can carry (no NUL byte)
  ImportMerge merge;
  bool at_least = false;  // reading stopped before the end: more may have been left out
  std::string stopped;    // why it stopped there, for the user
  // Whether the remove list may have changed, so that it is to be saved.
  bool Merged() const { return read.exists && (read.complete || read.over_long) && usable; }
};

// Reads the file in bounded steps and merges its titles as MergeImportedTitles
// does. Reading stops at a line no list file holds, past the read budget, and once
// the list is full and as many left-out titles as a list holds have been counted.
// A file that cannot be read or holds no usable title changes nothing.
ImportResult ImportListFile(EntryList& list, const std::string& path);

// Messages for the user.
std::string ImportReadFailureMessage(const std::string& path, const std::string& reason);
std::string ImportNoTitlesMessage(const std::string& path);
// After the import: what was left out, or "" when nothing was.
std::string ImportResultMessage(const ImportResult& result);
// The lists could not move to `folder` on `drive`: only a drive that is not ready is
// called so; on a ready one the folder that could not be listed is named.
std::string BrowseFailureMessage(const std::string& drive, bool drive_ready, const std::string& folder);

}  // namespace hushwall
