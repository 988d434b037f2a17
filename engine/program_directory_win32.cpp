#include "engine/program_directory_win32.h"

#include <windows.h>

namespace hushwall {

std::string ProgramDirectory() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // truncated: try a larger buffer
  }
  const std::size_t last_separator = path.find_last_of('\\');
  return last_separator == std::string::npos ? std::string() : path.substr(0, last_separator);
}

}  // namespace hushwall
