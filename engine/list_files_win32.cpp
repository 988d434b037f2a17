#include "engine/list_files_win32.h"

#include "engine/program_directory_win32.h"
#include "platform/program_names.h"
#include "platform/handles_win32.h"

namespace hushwall {
namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool Warned(MessageBoxes& boxes, HWND owner, const SaveResult& result) {
  if (!result.saved) boxes.Show(owner, SaveFailureMessage(result), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
  return result.saved;
}

}  // namespace

std::string SystemErrorText(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = length ? std::string(text, length) : "error " + std::to_string(error);
  LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' ||
                             result.back() == ' ' || result.back() == '.')) {
    result.pop_back();
  }
  return result;
}

// A name beside the target that no file has yet: created with CREATE_NEW, so a
// user's own file of any name is never overwritten.
FileHandle CreateTemporaryBeside(const std::string& path, std::string& temporary) {
  for (unsigned attempt = 0;; ++attempt) {
    temporary = TemporaryFileName(path, attempt);
    FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file || GetLastError() != ERROR_FILE_EXISTS || attempt == 100) return file;
  }
}

bool Win32AtomicFileWriter::Replace(const std::string& path, std::string_view bytes,
                                    std::string& reason) {
  std::string temporary;
  FileHandle file = CreateTemporaryBeside(path, temporary);
  if (!file) {
    reason = SystemErrorText(GetLastError());
    return false;
  }
  bool done = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
  DWORD error = GetLastError();
  if (!file.Close() && done) {
    done = false;
    error = GetLastError();
  }
  if (done && !MoveFileExA(temporary.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    done = false;
    error = GetLastError();
  }
  if (done) return true;
  reason = SystemErrorText(error);
  DeleteFileA(temporary.c_str());
  return false;
}

bool Win32AtomicFileWriter::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SaveRemoveListOrWarn(MessageBoxes& boxes, HWND owner, const BlockingState& state,
                          const std::string& program_directory) {
  Win32AtomicFileWriter writer;
  return Warned(boxes, owner, SaveRemoveList(state, program_directory, writer));
}

bool SaveBlockedLogOrWarn(MessageBoxes& boxes, HWND owner, const BlockingState& state,
                          const std::string& program_directory) {
  Win32AtomicFileWriter writer;
  return Warned(boxes, owner, SaveBlockedLog(state, program_directory, writer));
}

bool SaveListFileOrWarn(MessageBoxes& boxes, HWND owner, const EntryList& list, const std::string& path) {
  Win32AtomicFileWriter writer;
  return Warned(boxes, owner, SaveListFile(list, path, writer));
}

class ProgramListFiles::Host : public ListFileSaves::Host {
 public:
  Host(HWND owner, MessageBoxes& boxes) : owner_(owner), boxes_(boxes) {}
  bool AskYesNo(const std::string& text, const std::string& title) override {
    return boxes_.Show(owner_, text, title, MB_YESNO) == IDYES;
  }
  bool Write(const EntryList& list, const std::string& path) override {
    return SaveListFileOrWarn(boxes_, owner_, list, path);
  }

 private:
  HWND owner_;
  MessageBoxes& boxes_;
};

ProgramListFiles::ProgramListFiles(MessageBoxes& boxes) : ProgramListFiles(boxes, ProgramDirectory()) {}

ProgramListFiles::ProgramListFiles(MessageBoxes& boxes, const std::string& directory)
    : boxes_(boxes), saves_(directory) {}

ListFilesLoad ProgramListFiles::Load(BlockingState& state) { return saves_.Load(state); }

bool ProgramListFiles::SaveRemoveList(HWND owner, const BlockingState& state) {
  Host host(owner, boxes_);
  return saves_.SaveRemoveList(state, host);
}

bool ProgramListFiles::SaveBlockedLog(HWND owner, const BlockingState& state) {
  Host host(owner, boxes_);
  return saves_.SaveBlockedLog(state, host);
}

bool ProgramListFiles::EraseBlockedLog(HWND owner, const BlockingState& state) {
  Host host(owner, boxes_);
  return saves_.EraseBlockedLog(state, host);
}

}  // namespace hushwall
