#include "settings/startup_entry.h"

namespace hushwall {

std::string JoinFolderAndFile(const std::string& folder, const std::string& file) {
  if (folder.empty()) return file;
  const char last = folder.back();
  if (last == '\\' || last == '/') return folder + file;
  return folder + '\\' + file;
}

std::string StartupCommandLine(const std::string& program_path) { return '"' + program_path + '"'; }

}  // namespace hushwall
