#pragma once
// The list file format (one entry per line, each line ending in CR LF, no quoting)
// and the two list files in the program's directory.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/blocking_state.h"

namespace hushwall {

inline constexpr const char* kRemoveListFileName = "RemList.dat";
inline constexpr const char* kBlockedLogFileName = "Blocked.log";

// Splits at each CR LF; a final piece without CR LF is one more entry. Every other
// byte, a lone CR or LF and NUL included, stays in its entry as it is.
std::vector<std::string> ParseListFile(std::string_view bytes);
std::string FormatListFile(const EntryList& list);

// The directory, its separator (a backslash unless the directory is a plain POSIX
// path) and the file name.
std::string ListFilePath(const std::string& directory, const char* file_name);

// What a list file read keeps at most. A list file the program wrote never holds a
// longer line; such a line means the file is no list from there on, and reading
// it whole would cost memory in proportion to the file.
inline constexpr std::size_t kMaxListLineBytes = std::size_t(1) << 20;
// A list's text read from a file, as the blocked log's in memory: 32767 lines of
// ordinary titles stay far below it, a file of junk stops there.
inline constexpr std::size_t kListReadTextBudget = BlockingState::kLogTextBudget;
// Past what a list keeps, the lines left are counted without keeping them this far,
// so a message can say how many; beyond it the count is a lower bound.
inline constexpr std::uint64_t kListCountingBytes = std::uint64_t(16) << 20;

// How reading a list file went.
struct ListFileRead {
  bool exists = false;    // a missing file is no failure: the list starts empty
  bool complete = false;  // no read error and no over-long line stopped the read
  std::string reason;     // why not, for the user
  bool over_long = false; // the line that stopped it is longer than any list holds
  bool Failed() const { return exists && !complete; }
};

// Reads a list file in 64 KiB steps, one entry at a time, so that a read costs what
// the caller keeps, whatever the file's size.
class ListFileReader {
 public:
  explicit ListFileReader(const std::string& path);
  ~ListFileReader();
  ListFileReader(const ListFileReader&) = delete;
  ListFileReader& operator=(const ListFileReader&) = delete;

  // Moves to `bytes` before the end; false (and nothing moved) when the file is no
  // longer than that. The first entry read after a move may be the tail of a line.
  bool StartNearEnd(std::uint64_t bytes);
  // The next entry; false at the end, at a read error and at a line longer than
  // `max_line` (the read is then not complete).
  bool Next(std::string& entry, std::size_t max_line = kMaxListLineBytes);
  // Counts the entries left without keeping them, looking at no more than `bytes`;
  // `to_end` tells whether the count reached the end of the file.
  std::uint64_t CountRest(std::uint64_t bytes, bool& to_end);
  bool AtEnd() const { return at_end_; }
  const ListFileRead& Result() const { return result_; }

 private:
  bool Fill();

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  bool at_end_ = false;
  ListFileRead result_;
};

// Appends entries up to the list's limit; returns how many were taken.
int AppendEntries(EntryList& list, const std::vector<std::string>& entries);

// What became of a list file at load: the user must hear of a file that is not
// wholly in its list, since saving the list would replace it.
struct ListFileLoad {
  std::string path;
  ListFileRead read;
  int not_loaded = 0;        // entries past what the list keeps
  bool at_least = false;     // not_loaded counts only the part looked at
  bool newest_only = false;  // the log's older lines were not read
  bool cut = false;          // a line longer than the log holds was kept cut
  bool Partial() const { return read.Failed() || not_loaded > 0 || newest_only || cut; }
};
using RemoveListLoad = ListFileLoad;

struct ListFilesLoad {
  RemoveListLoad removes;
  ListFileLoad log;
};

// Fills the remove list from "RemList.dat" and the blocked log from "Blocked.log".
// Each file is read on its own: a missing or unreadable remove list does not keep
// the log from loading. A log longer than a list may be keeps its newest lines,
// read from near the end of the file.
ListFilesLoad LoadListFiles(BlockingState& state, const std::string& program_directory);

// What Add, Add all and import say when the remove list has no room left.
std::string RemoveListFullMessage(int not_added, bool at_least = false);

// What to tell the user about a partial load; "" when the load was whole.
std::string RemoveListLoadMessage(const RemoveListLoad& load);
std::string BlockedLogLoadMessage(const ListFileLoad& load);
// Both, for the one message after the start.
std::string ListFilesLoadMessage(const ListFilesLoad& load);

// Replaces a file as a whole: on failure the previous file is left as it was.
class AtomicFileWriter {
 public:
  virtual ~AtomicFileWriter() = default;
  // False with a reason for the user when the file could not be replaced.
  virtual bool Replace(const std::string& path, std::string_view bytes, std::string& reason) = 0;
  // Whether a file (not a folder) stands at `path`.
  virtual bool FileExists(const std::string& path);
};

// The name of a save's temporary file beside `path`, one per attempt: a save takes
// the first that no file has yet.
std::string TemporaryFileName(const std::string& path, unsigned attempt);

// Standard library only: a temporary file beside the target, then std::rename,
// which replaces atomically on POSIX systems. The program on Windows uses
// Win32AtomicFileWriter, which also writes through.
class StdAtomicFileWriter : public AtomicFileWriter {
 public:
  bool Replace(const std::string& path, std::string_view bytes, std::string& reason) override;
};

struct SaveResult {
  bool saved = false;
  std::string path;    // the file that was (or was not) written
  std::string reason;  // why not, for the user
  bool previous_kept = false;  // not saved, and a previous file is still there as it was
};

SaveResult SaveListFile(const EntryList& list, const std::string& path, AtomicFileWriter& writer);
SaveResult SaveRemoveList(const BlockingState& state, const std::string& program_directory,
                          AtomicFileWriter& writer);
SaveResult SaveBlockedLog(const BlockingState& state, const std::string& program_directory,
                          AtomicFileWriter& writer);

// The message box text for a failed save.
std::string SaveFailureMessage(const SaveResult& result);

// The one way the program replaces its two list files, whichever command asks: a
// file that was not wholly read at the start is replaced only with the user's
// consent, asked at each save until one has gone through.
class ListFileSaves {
 public:
  class Host {
   public:
    virtual ~Host() = default;
    // A box with Yes and No; true on Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
    // False when the file was not written, in which case the user has been told why.
    virtual bool Write(const EntryList& list, const std::string& path) = 0;
  };

  explicit ListFileSaves(std::string program_directory) : directory_(std::move(program_directory)) {}

  ListFilesLoad Load(BlockingState& state);
  bool SaveRemoveList(const BlockingState& state, Host& host);
  bool SaveBlockedLog(const BlockingState& state, Host& host);
  // Emptying the log is the user's explicit wish: no question.
  bool EraseBlockedLog(const BlockingState& state, Host& host);

 private:
  bool Save(const EntryList& list, ListFileLoad& load, const char* file_name, const char* question,
            const char* title, bool lines_dropped, Host& host);
  // A full log drops its oldest lines as blocks come in; once it has dropped lines
  // that its file holds, the file is no longer wholly kept.
  void KeepLogSync(const BlockingState& state);
  bool LogDroppedFileLines(const BlockingState& state) const;

  std::string directory_;
  RemoveListLoad removes_;  // Partial() while the file may hold more than the list
  ListFileLoad log_;
  std::uint64_t log_dropped_at_sync_ = 0;  // at the load or the last save
  int log_file_lines_ = 0;                 // the log's lines then, all in the file
};

}  // namespace hushwall
