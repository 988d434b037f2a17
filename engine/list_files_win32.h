#pragma once
// Saving list files on Windows: atomic replacement, and a message box that names
// the file and the reason when a save fails.
#include <windows.h>

#include "engine/list_files.h"

namespace hushwall {

// Writes a temporary file beside the target, flushes it to disk, then swaps it in
// with MoveFileExA; the previous file stays as it was when any step fails.
class Win32AtomicFileWriter : public AtomicFileWriter {
 public:
  bool Replace(const std::string& path, std::string_view bytes, std::string& reason) override;
  // By the ANSI name, as the program's paths are.
  bool FileExists(const std::string& path) override;
};

// Each returns whether the file was saved; on failure the user has been told.
bool SaveRemoveListOrWarn(HWND owner, const BlockingState& state,
                          const std::string& program_directory);
bool SaveBlockedLogOrWarn(HWND owner, const BlockingState& state,
                          const std::string& program_directory);
bool SaveListFileOrWarn(HWND owner, const EntryList& list, const std::string& path);

// The program's two list files, beside the program, as the windows use them.
class ListFiles {
 public:
  virtual ~ListFiles() = default;
  virtual RemoveListLoad Load(BlockingState& state) = 0;
  // Each returns whether the file was saved; on failure the user has been told.
  virtual bool SaveRemoveList(HWND owner, const BlockingState& state) = 0;
  virtual bool SaveBlockedLog(HWND owner, const BlockingState& state) = 0;
};

class ProgramListFiles : public ListFiles {
 public:
  RemoveListLoad Load(BlockingState& state) override;
  bool SaveRemoveList(HWND owner, const BlockingState& state) override;
  bool SaveBlockedLog(HWND owner, const BlockingState& state) override;
};

// The system's text for an error code, without the trailing line break.
std::string SystemErrorText(DWORD error);

}  // namespace hushwall
