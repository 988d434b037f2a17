#include "settings/list_transfer.h"

#include <functional>
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

std::string ImportNoTitlesMessage(const std::string& path) {
  return "The list file \"" + path + "\" holds no window titles.\r\nThe remove list was not changed.";
}

ImportResult ImportListFile(EntryList& list, const std::string& path) {
  ImportResult result;
  result.path = path;
  ListFileReader reader(path);
  // Titles are gathered first, so a file that cannot be read changes nothing. Only
  // new ones are kept, and no more than fit; the others left out are counted by
  // hash, which costs little memory.
  const int room = EntryList::kMaxEntries - list.Count();
  EntryList fresh;
  std::unordered_set<std::size_t> left_out;
  std::size_t bytes = 0;
  std::string title;
  while (reader.Next(title)) {
    bytes += title.size() + 2;
    if (bytes > kListReadTextBudget) {
      result.stopped = "it holds more than " + std::to_string(kListReadTextBudget >> 20) + " MB of text";
      break;
    }
    if (title.find('\0') != std::string::npos) continue;  // no window title holds one
    result.usable = true;
    if (list.Contains(title) || fresh.Contains(title)) continue;
    if (fresh.Count() < room) {
      fresh.Append(title);
      continue;
    }
    left_out.insert(std::hash<std::string>{}(title));
    if (left_out.size() >= std::size_t(EntryList::kMaxEntries)) {
      result.stopped = "the remove list is full";
      break;
    }
  }
  result.read = reader.Result();
  if (result.read.over_long) result.stopped = result.read.reason;
  result.at_least = !result.stopped.empty();
  if (!result.Merged()) return result;
  std::vector<std::string> titles;
  titles.reserve(std::size_t(fresh.Count()));
  for (int index = 0; index < fresh.Count(); ++index) titles.push_back(fresh.At(index));
  result.merge = MergeImportedTitles(list, titles);
  result.merge.not_added = static_cast<int>(left_out.size());
  return result;
}

std::string ImportResultMessage(const ImportResult& result) {
  if (result.merge.not_added > 0) return RemoveListFullMessage(result.merge.not_added, result.at_least);
  if (result.at_least) {
    return "Only the first part of the list file \"" + result.path + "\" was read (" + result.stopped +
           "); the titles after it were not added.";
  }
  return "";
}

std::string BrowseFailureMessage(const std::string& drive, bool drive_ready, const std::string& folder) {
  if (!drive_ready) return "Drive " + drive + " is not ready.";
  return "The folder \"" + (folder.empty() ? drive + "\\" : folder) + "\" could not be listed.";
}

}  // namespace hushwall
