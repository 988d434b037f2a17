#include "engine/list_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace hushwall {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

RemoveListLoad LoadKeepingFirst(EntryList& list, const std::string& path) {
  RemoveListLoad load;
  load.path = path;
  std::vector<std::string> entries;
  load.read = ReadListFile(path, entries);
  load.not_loaded = static_cast<int>(entries.size()) - AppendEntries(list, entries);
  return load;
}

// Only the newest lines that the log can hold are appended, so loading a huge file
// does not drop lines one by one from the front.
void LoadKeepingNewest(BlockingState& state, const std::string& path) {
  std::vector<std::string> lines;
  ReadListFile(path, lines);
  std::size_t first = lines.size();
  std::size_t bytes = 0;
  while (first > 0 && lines.size() - first < std::size_t(EntryList::kMaxEntries) &&
         bytes + lines[first - 1].size() <= BlockingState::kLogTextBudget) {
    --first;
    bytes += lines[first].size();
  }
  // A newest line longer than the whole budget is kept, cut to it.
  if (first == lines.size() && first > 0) --first;
  for (std::size_t index = first; index < lines.size(); ++index) state.AppendLogLine(lines[index]);
}

std::string Describe(const char* what, int error) {
  return std::string(what) + ": " + std::strerror(error);
}

}  // namespace

std::vector<std::string> ParseListFile(std::string_view bytes) {
  std::vector<std::string> entries;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find(kLineEnd, start);
    if (end == std::string_view::npos) end = bytes.size();
    entries.emplace_back(bytes.substr(start, end - start));
    start = end + kLineEnd.size();
  }
  return entries;
}

std::string FormatListFile(const EntryList& list) {
  std::string bytes;
  for (int index = 0; index < list.Count(); ++index) {
    bytes += list.At(index);
    bytes += kLineEnd;
  }
  return bytes;
}

std::string ListFilePath(const std::string& directory, const char* file_name) {
  if (directory.empty()) return file_name;
  const char last = directory.back();
  if (last == '\\' || last == '/') return directory + file_name;
  const bool posix =
      directory.find('\\') == std::string::npos && directory.find('/') != std::string::npos;
  return directory + (posix ? '/' : '\\') + file_name;
}

ListFileRead ReadListFile(const std::string& path, std::vector<std::string>& entries) {
  ListFileRead read;
  entries.clear();
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    read.exists = errno != ENOENT;
    if (read.exists) read.reason = std::strerror(errno);
    return read;
  }
  read.exists = true;
  std::string bytes;
  char chunk[64 * 1024];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  read.complete = !std::ferror(file);
  if (!read.complete) read.reason = std::strerror(errno ? errno : EIO);
  std::fclose(file);
  entries = ParseListFile(bytes);
  return read;
}

int AppendEntries(EntryList& list, const std::vector<std::string>& entries) {
  int appended = 0;
  for (const std::string& entry : entries) {
    if (!list.Append(entry)) break;
    ++appended;
  }
  return appended;
}

RemoveListLoad LoadListFiles(BlockingState& state, const std::string& program_directory) {
  RemoveListLoad load =
      LoadKeepingFirst(state.RemoveList(), ListFilePath(program_directory, kRemoveListFileName));
  LoadKeepingNewest(state, ListFilePath(program_directory, kBlockedLogFileName));
  return load;
}

std::string RemoveListLoadMessage(const RemoveListLoad& load) {
  if (load.read.Failed()) {
    return "HushWall could not read its remove list \"" + load.path + "\": " + load.read.reason +
           ".\r\nIt starts with the titles it could read and will not replace the file "
           "without asking.";
  }
  if (load.not_loaded > 0) {
    return "The remove list \"" + load.path + "\" holds " + std::to_string(load.not_loaded) +
           " titles more than HushWall can keep (" + std::to_string(EntryList::kMaxEntries) +
           "); they were not loaded.\r\nHushWall will not replace the file without asking.";
  }
  return "";
}

namespace {

// std::rename replaces the target in one step on POSIX systems. The C runtime on
// Windows refuses an existing target, so there the target goes first; the program
// itself saves through Win32AtomicFileWriter, which replaces in one step.
// Returns 0 or the errno of the failure.
int RenameReplacing(const char* from, const char* to) {
  if (std::rename(from, to) == 0) return 0;
  int error = errno;
#ifdef _WIN32
  if ((error == EEXIST || error == EACCES) && std::remove(to) == 0) {
    if (std::rename(from, to) == 0) return 0;
    error = errno;
  }
#endif
  return error;
}

}  // namespace

bool StdAtomicFileWriter::Replace(const std::string& path, std::string_view bytes,
                                  std::string& reason) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) {
    reason = Describe("cannot create a temporary file", errno);
    return false;
  }
  bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  int error = written ? 0 : errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written) error = RenameReplacing(temporary.c_str(), path.c_str());
  if (written && error == 0) return true;
  reason = Describe("cannot write the file", error ? error : EIO);
  std::remove(temporary.c_str());
  return false;
}

SaveResult SaveListFile(const EntryList& list, const std::string& path, AtomicFileWriter& writer) {
  SaveResult result;
  result.path = path;
  result.saved = writer.Replace(path, FormatListFile(list), result.reason);
  return result;
}

SaveResult SaveRemoveList(const BlockingState& state, const std::string& program_directory,
                          AtomicFileWriter& writer) {
  return SaveListFile(state.RemoveList(), ListFilePath(program_directory, kRemoveListFileName),
                      writer);
}

SaveResult SaveBlockedLog(const BlockingState& state, const std::string& program_directory,
                          AtomicFileWriter& writer) {
  return SaveListFile(state.BlockedLog(), ListFilePath(program_directory, kBlockedLogFileName),
                      writer);
}

std::string SaveFailureMessage(const SaveResult& result) {
  return "The file " + result.path + " could not be saved (" + result.reason +
         ").\r\nThe previous file has been kept unchanged.";
}

}  // namespace hushwall
