#pragma once
// The rules of exporting the remove list to a ".psl" list file and of merging one
// into it.
#include <string>
#include <vector>

#include "engine/blocking_state.h"

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

// Messages for the user.
std::string ImportReadFailureMessage(const std::string& path, const std::string& reason);
std::string ImportNotAddedMessage(int not_added);
// The lists could not move to `folder` on `drive`: only a drive that is not ready is
// called so; on a ready one the folder that could not be listed is named.
std::string BrowseFailureMessage(const std::string& drive, bool drive_ready, const std::string& folder);

}  // namespace hushwall
