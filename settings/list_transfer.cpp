#include "settings/list_transfer.h"

#include <unordered_set>

#include "settings/startup_entry.h"

namespace hushwall {

std::string ExportFilePath(const std::string& folder, const std::string& name) {
  return JoinFolderAndFile(folder, name + kListFileExtension);
}

ImportMerge MergeImportedTitles(EntryList& list, const std::vector<std::string>& titles) {
  ImportMerge merge;
  std::unordered_set<std::string> left_out;
  for (const std::string& title : titles) {
    if (list.Contains(title)) continue;
    if (list.Append(title))
      ++merge.added;
    else if (left_out.insert(title).second)
      ++merge.not_added;
  }
  return merge;
}

std::string ImportReadFailureMessage(const std::string& path, const std::string& reason) {
  return "The list file \"" + path + "\" could not be read: " + reason +
         "\r\nThe remove list was not changed.";
}

std::string ImportNotAddedMessage(int not_added) {
  return "The remove list is full (" + std::to_string(EntryList::kMaxEntries) + " titles). " +
         std::to_string(not_added) + (not_added == 1 ? " title was" : " titles were") + " not added.";
}

std::string BrowseFailureMessage(const std::string& drive, bool drive_ready, const std::string& folder) {
  if (!drive_ready) return "Drive " + drive + " is not ready.";
  return "The folder \"" + (folder.empty() ? drive + "\\" : folder) + "\" could not be listed.";
}

}  // namespace hushwall
