#pragma once
// Saving list files on Windows: atomic replacement, and a message box that names
// the file and the reason when a save fails.
#include <windows.h>

#include "engine/list_files.h"
#include "platform/message_boxes_win32.h"

namespace hushwall {

// Writes a temporary file beside the target, flushes it to disk, then swaps it in
// with MoveFileExA; the previous file stays as it was when any step fails.
class Win32AtomicFileWriter : public AtomicFileWriter {
 public:
  bool Replace(const std::string& path, std::string_view bytes, std::string& reason) override;
  // By the ANSI name, as the program's paths are.
  bool FileExists(const std::string& path) override;
};

// Each returns whether the file was saved; on failure the user has been told
// through `boxes`.
bool SaveRemoveListOrWarn(MessageBoxes& boxes, HWND owner, const BlockingState& state,
                          const std::string& program_directory);
bool SaveBlockedLogOrWarn(MessageBoxes& boxes, HWND owner, const BlockingState& state,
                          const std::string& program_directory);
bool SaveListFileOrWarn(MessageBoxes& boxes, HWND owner, const EntryList& list, const std::string& path);

// The program's two list files, beside the program, as the windows use them. Every
// command saves through here, so none can replace a file that was not wholly read
// without the user's consent.
class ListFiles {
 public:
  virtual ~ListFiles() = default;
  virtual ListFilesLoad Load(BlockingState& state) = 0;
  // Each returns whether the file was saved; when not, the user has been told why
  // or has refused to replace a file that was not wholly read.
  virtual bool SaveRemoveList(HWND owner, const BlockingState& state) = 0;
  virtual bool SaveBlockedLog(HWND owner, const BlockingState& state) = 0;
  // The emptied log replaces the file without a question.
  virtual bool EraseBlockedLog(HWND owner, const BlockingState& state) { return SaveBlockedLog(owner, state); }
};

class ProgramListFiles : public ListFiles {
 public:
  explicit ProgramListFiles(MessageBoxes& boxes);
  ProgramListFiles(MessageBoxes& boxes, const std::string& directory);
  ListFilesLoad Load(BlockingState& state) override;
  bool SaveRemoveList(HWND owner, const BlockingState& state) override;
  bool SaveBlockedLog(HWND owner, const BlockingState& state) override;
  bool EraseBlockedLog(HWND owner, const BlockingState& state) override;

 private:
  class Host;
  MessageBoxes& boxes_;
  ListFileSaves saves_;
};

// The system's text for an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

}  // namespace hushwall
