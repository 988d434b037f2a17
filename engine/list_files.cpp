#include "engine/list_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace hushwall {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::size_t kReadStep = 64 * 1024;

std::string MegabytesText(std::size_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

// Keeps the first entries while the list has room and the text its budget; the
// rest is counted, so the user hears how much was left out.
RemoveListLoad LoadKeepingFirst(EntryList& list, const std::string& path) {
  RemoveListLoad load;
  load.path = path;
  ListFileReader reader(path);
  std::string entry;
  std::size_t kept = 0;
  bool over = false;
  while (list.Count() < EntryList::kMaxEntries && reader.Next(entry)) {
    if (kept + entry.size() > kListReadTextBudget) {
      over = true;
      break;
    }
    kept += entry.size();
    list.Append(entry);
  }
  load.read = reader.Result();
  if (load.read.Failed() || reader.AtEnd()) return load;
  bool to_end = false;
  const std::uint64_t rest = (over ? 1 : 0) + reader.CountRest(kListCountingBytes, to_end);
  load.not_loaded = static_cast<int>(std::min<std::uint64_t>(rest, INT32_MAX));
  load.at_least = !to_end;
  if (reader.Result().Failed()) load.read = reader.Result();
  return load;
}

// Only the newest lines that the log can hold are appended. They all lie within
// the last stretch of the file that the log's limits allow, so only that is read,
// and while reading only the lines the log could still keep are held.
ListFileLoad LoadKeepingNewest(BlockingState& state, const std::string& path) {
  ListFileLoad load;
  load.path = path;
  ListFileReader reader(path);
  constexpr std::uint64_t kWindow =
      BlockingState::kLogTextBudget + 2 * std::uint64_t(EntryList::kMaxEntries) + 2;
  const bool skipped = reader.StartNearEnd(kWindow);
  std::deque<std::string> kept;
  std::size_t bytes = 0;
  std::uint64_t read = 0, dropped = 0;
  bool first_kept = false;  // kept.front() is the first piece read
  std::string line;
  while (reader.Next(line, kWindow)) {
    bytes += line.size();
    kept.push_back(std::move(line));
    first_kept = first_kept || read == 0;
    ++read;
    // A newest line longer than the whole budget stays alone, to be kept cut.
    while (kept.size() > 1 && (kept.size() > std::size_t(EntryList::kMaxEntries) ||
                               bytes > BlockingState::kLogTextBudget)) {
      bytes -= kept.front().size();
      kept.pop_front();
      ++dropped;
      first_kept = false;
    }
  }
  load.read = reader.Result();
  // The first piece after a move is the tail of an older line, unless it is the
  // newest line itself.
  if (skipped && first_kept && kept.size() > 1) {
    kept.pop_front();
  } else if (skipped && dropped > 0) {
    --dropped;
  }
  load.newest_only = skipped;
  load.not_loaded = static_cast<int>(std::min<std::uint64_t>(dropped, INT32_MAX));
  load.cut = bytes > BlockingState::kLogTextBudget;
  for (const std::string& each : kept) state.AppendLogLine(each);
  return load;
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

ListFileReader::ListFileReader(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) {
    result_.exists = errno != ENOENT;
    if (result_.exists) result_.reason = std::strerror(errno);
    at_end_ = true;
    return;
  }
  result_.exists = true;
  result_.complete = true;
  buffer_.resize(kReadStep);
}

ListFileReader::~ListFileReader() {
  if (file_) std::fclose(file_);
}

bool ListFileReader::StartNearEnd(std::uint64_t bytes) {
  if (!file_ || !result_.complete) return false;
#ifdef _WIN32
  if (_fseeki64(file_, 0, SEEK_END) != 0) return false;
  const std::int64_t size = _ftelli64(file_);
  if (size < 0 || std::uint64_t(size) <= bytes) {
    _fseeki64(file_, 0, SEEK_SET);
    return false;
  }
  if (_fseeki64(file_, size - std::int64_t(bytes), SEEK_SET) != 0) return false;
#else
  if (fseeko(file_, 0, SEEK_END) != 0) return false;
  const off_t size = ftello(file_);
  if (size < 0 || std::uint64_t(size) <= bytes) {
    fseeko(file_, 0, SEEK_SET);
    return false;
  }
  if (fseeko(file_, size - off_t(bytes), SEEK_SET) != 0) return false;
#endif
  position_ = length_ = 0;
  return true;
}

bool ListFileReader::Fill() {
  if (at_end_) return false;
  position_ = 0;
  length_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  if (length_ > 0) return true;
  at_end_ = true;
  if (std::ferror(file_)) {
    result_.complete = false;
    result_.reason = std::strerror(errno ? errno : EIO);
  }
  return false;
}

bool ListFileReader::Next(std::string& entry, std::size_t max_line) {
  entry.clear();
  if (!file_ || !result_.complete) return false;
  bool started = false;
  while (position_ < length_ || Fill()) {
    started = true;
    const char* begin = buffer_.data() + position_;
    const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', length_ - position_));
    const std::size_t taken = newline ? std::size_t(newline - begin) : length_ - position_;
    entry.append(begin, taken);
    position_ += taken + (newline ? 1 : 0);
    // One more byte for the CR of the line's end.
    if (entry.size() > max_line + 1) {
      result_.complete = false;
      result_.over_long = true;
      result_.reason = "it has a line longer than " + MegabytesText(std::max(max_line, kMaxListLineBytes));
      entry.clear();
      return false;
    }
    if (newline && !entry.empty() && entry.back() == '\r') {
      entry.pop_back();
      return true;
    }
    if (newline) entry += '\n';  // a lone LF stays in its entry
  }
  if (!result_.complete) entry.clear();
  return started && result_.complete && !entry.empty();
}

std::uint64_t ListFileReader::CountRest(std::uint64_t bytes, bool& to_end) {
  std::uint64_t count = 0;
  std::uint64_t looked = 0;
  bool in_piece = false;
  char previous = '\0';
  to_end = false;
  if (!file_ || !result_.complete) return 0;
  while (looked < bytes && (position_ < length_ || Fill())) {
    const std::size_t step = std::min<std::uint64_t>(length_ - position_, bytes - looked);
    for (const char* byte = buffer_.data() + position_, *end = byte + step; byte != end; ++byte) {
      if (*byte == '\n' && previous == '\r') {
        ++count;
        in_piece = false;
      } else {
        in_piece = true;
      }
      previous = *byte;
    }
    position_ += step;
    looked += step;
  }
  if (position_ >= length_ && !at_end_) Fill();  // learns whether the end has come
  to_end = at_end_ && position_ >= length_;
  return count + (in_piece ? 1 : 0);
}

int AppendEntries(EntryList& list, const std::vector<std::string>& entries) {
  int appended = 0;
  for (const std::string& entry : entries) {
    if (!list.Append(entry)) break;
    ++appended;
  }
  return appended;
}

ListFilesLoad LoadListFiles(BlockingState& state, const std::string& program_directory) {
  ListFilesLoad load;
  load.removes = LoadKeepingFirst(state.RemoveList(), ListFilePath(program_directory, kRemoveListFileName));
  load.log = LoadKeepingNewest(state, ListFilePath(program_directory, kBlockedLogFileName));
  return load;
}

std::string RemoveListFullMessage(int not_added, bool at_least) {
  return "The remove list is full: " + std::string(at_least ? "at least " : "") + std::to_string(not_added) +
         (not_added == 1 ? " title was" : " titles were") + " not added.";
}

std::string RemoveListLoadMessage(const RemoveListLoad& load) {
  if (load.read.Failed()) {
    return "HushWall could not read its remove list \"" + load.path + "\": " + load.read.reason +
           ".\r\nIt starts with the titles it could read and will not replace the file "
           "without asking.";
  }
  if (load.not_loaded > 0) {
    return "The remove list \"" + load.path + "\" holds " + (load.at_least ? "at least " : "") +
           std::to_string(load.not_loaded) + (load.not_loaded == 1 ? " title" : " titles") +
           " more than HushWall can keep (" +
           std::to_string(EntryList::kMaxEntries) + " titles, " + MegabytesText(kListReadTextBudget) +
           " of text); they were not loaded.\r\nHushWall will not replace the file without asking.";
  }
  return "";
}

std::string BlockedLogLoadMessage(const ListFileLoad& load) {
  if (load.read.Failed()) {
    return "HushWall could not read its blocked log \"" + load.path + "\": " + load.read.reason +
           ".\r\nIt starts with the lines it could read and will not replace the file without asking.";
  }
  if (load.Partial()) {
    return "The blocked log \"" + load.path + "\" holds more than HushWall keeps (" +
           std::to_string(EntryList::kMaxEntries) + " lines, " + MegabytesText(BlockingState::kLogTextBudget) +
           " of text); only its newest lines were loaded.\r\nHushWall will not replace the file without "
           "asking.";
  }
  return "";
}

std::string ListFilesLoadMessage(const ListFilesLoad& load) {
  const std::string removes = RemoveListLoadMessage(load.removes);
  const std::string log = BlockedLogLoadMessage(load.log);
  return removes + (removes.empty() || log.empty() ? "" : "\r\n\r\n") + log;
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

std::string TemporaryFileName(const std::string& path, unsigned attempt) {
  return path + "." + std::to_string(attempt) + ".hwtmp";
}

namespace {

// Opens a file that does not exist yet; nullptr with errno when it does.
std::FILE* CreateNewFile(const std::string& path) {
#ifdef _WIN32
  const int descriptor = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  return descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
#else
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  return descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
#endif
}

}  // namespace

bool StdAtomicFileWriter::Replace(const std::string& path, std::string_view bytes,
                                  std::string& reason) {
  std::string temporary;
  std::FILE* file = nullptr;
  for (unsigned attempt = 0; !file && attempt < 100; ++attempt) {
    temporary = TemporaryFileName(path, attempt);
    file = CreateNewFile(temporary);
    if (!file && errno != EEXIST) break;
  }
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

// Standard C only (no <filesystem>, which would triple the program's size): a folder
// opens on POSIX systems but cannot be read.
bool AtomicFileWriter::FileExists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::fgetc(file);
  const bool readable = !std::ferror(file);
  std::fclose(file);
  return readable;
}

SaveResult SaveListFile(const EntryList& list, const std::string& path, AtomicFileWriter& writer) {
  SaveResult result;
  result.path = path;
  result.saved = writer.Replace(path, FormatListFile(list), result.reason);
  // A failed replace leaves the target as it was, so a file there now is the previous one.
  result.previous_kept = !result.saved && writer.FileExists(path);
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

ListFilesLoad ListFileSaves::Load(BlockingState& state) {
  ListFilesLoad load = LoadListFiles(state, directory_);
  removes_ = load.removes;
  log_ = load.log;
  KeepLogSync(state);
  return load;
}

void ListFileSaves::KeepLogSync(const BlockingState& state) {
  log_dropped_at_sync_ = state.LogLinesDropped();
  log_file_lines_ = state.BlockedLog().Count();
}

bool ListFileSaves::LogDroppedFileLines(const BlockingState& state) const {
  // The oldest lines go first, and those are the file's.
  return log_file_lines_ > 0 && state.LogLinesDropped() > log_dropped_at_sync_;
}

bool ListFileSaves::Save(const EntryList& list, ListFileLoad& load, const char* file_name,
                         const char* question, const char* title, bool lines_dropped, Host& host) {
  const std::string path = ListFilePath(directory_, file_name);
  if (question && (load.Partial() || lines_dropped)) {
    const std::string why = load.Partial() ? "\" was not wholly read when HushWall started."
                                           : "\" holds older lines that HushWall no longer keeps.";
    const std::string text = "The " + std::string(question) + " \"" + path + why +
                             "\r\nReplace it with the " + question + " as it is now?";
    if (!host.AskYesNo(text, title)) return false;
  }
  if (!host.Write(list, path)) return false;
  load = {};
  return true;
}

bool ListFileSaves::SaveRemoveList(const BlockingState& state, Host& host) {
  return Save(state.RemoveList(), removes_, kRemoveListFileName, "remove list", "Save remove list", false,
              host);
}

bool ListFileSaves::SaveBlockedLog(const BlockingState& state, Host& host) {
  if (!Save(state.BlockedLog(), log_, kBlockedLogFileName, "blocked log", "Save log",
            LogDroppedFileLines(state), host))
    return false;
  KeepLogSync(state);
  return true;
}

bool ListFileSaves::EraseBlockedLog(const BlockingState& state, Host& host) {
  if (!Save(state.BlockedLog(), log_, kBlockedLogFileName, nullptr, nullptr, false, host)) return false;
  KeepLogSync(state);
  return true;
}

std::string SaveFailureMessage(const SaveResult& result) {
  return "The file " + result.path + " could not be saved (" + result.reason + ").\r\n" +
         (result.previous_kept ? "The previous file has been kept unchanged." : "No file has been written.");
}

}  // namespace hushwall
