#include "engine/list_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace hushwall {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void LoadKeepingFirst(EntryList& list, const std::string& path) {
  std::vector<std::string> entries;
  ReadListFile(path, entries);
  AppendEntries(list, entries);
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

bool ReadListFile(const std::string& path, std::vector<std::string>& entries) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  // A read error ends the file where it happened; what came before still counts.
  std::string bytes;
  char chunk[64 * 1024];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  std::fclose(file);
  entries = ParseListFile(bytes);
  return true;
}

int AppendEntries(EntryList& list, const std::vector<std::string>& entries) {
  int appended = 0;
  for (const std::string& entry : entries) {
    if (!list.Append(entry)) break;
    ++appended;
  }
  return appended;
}

void LoadListFiles(BlockingState& state, const std::string& program_directory) {
  LoadKeepingFirst(state.RemoveList(), ListFilePath(program_directory, kRemoveListFileName));
  LoadKeepingNewest(state, ListFilePath(program_directory, kBlockedLogFileName));
}

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
  std::error_code error(errno, std::generic_category());
  if (std::fclose(file) != 0 && written) {
    written = false;
    error.assign(errno, std::generic_category());
  }
  // std::filesystem::rename replaces an existing file on Windows too, unlike std::rename.
  if (written) std::filesystem::rename(temporary, path, error);
  if (written && !error) return true;
  reason = "cannot write the file: " + error.message();
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
