#pragma once
// The list file format (one entry per line, each line ending in CR LF, no quoting)
// and the two list files in the program's directory.
#include <string>
#include <string_view>
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

// How reading a list file went.
struct ListFileRead {
  bool exists = false;    // a missing file is no failure: the list starts empty
  bool complete = false;  // every byte was read
  std::string reason;     // why not, for the user
  bool Failed() const { return exists && !complete; }
};

// Reads a whole list file. A read error ends the file where it happened; the
// entries before it are kept.
ListFileRead ReadListFile(const std::string& path, std::vector<std::string>& entries);

// Appends entries up to the list's limit; returns how many were taken.
int AppendEntries(EntryList& list, const std::vector<std::string>& entries);

// What became of "RemList.dat" at load: the user must hear of a file that is not
// wholly in the list, since saving the list would replace it.
struct RemoveListLoad {
  std::string path;
  ListFileRead read;
  int not_loaded = 0;  // titles past the list's limit
  bool Partial() const { return read.Failed() || not_loaded > 0; }
};

// Fills the remove list from "RemList.dat" and the blocked log from "Blocked.log".
// Each file is read on its own: a missing or unreadable remove list does not keep
// the log from loading. A log longer than a list may be keeps its newest lines.
RemoveListLoad LoadListFiles(BlockingState& state, const std::string& program_directory);

// What to tell the user about a partial load; "" when the load was whole.
std::string RemoveListLoadMessage(const RemoveListLoad& load);

// Replaces a file as a whole: on failure the previous file is left as it was.
class AtomicFileWriter {
 public:
  virtual ~AtomicFileWriter() = default;
  // False with a reason for the user when the file could not be replaced.
  virtual bool Replace(const std::string& path, std::string_view bytes, std::string& reason) = 0;
};

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
};

SaveResult SaveListFile(const EntryList& list, const std::string& path, AtomicFileWriter& writer);
SaveResult SaveRemoveList(const BlockingState& state, const std::string& program_directory,
                          AtomicFileWriter& writer);
SaveResult SaveBlockedLog(const BlockingState& state, const std::string& program_directory,
                          AtomicFileWriter& writer);

// The message box text for a failed save.
std::string SaveFailureMessage(const SaveResult& result);

}  // namespace hushwall
