#include "ui/windows/program_version_win32.h"

#include <windows.h>

#include <vector>

namespace hushwall {

bool ReadProgramVersion(ProgramVersion& version) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return false;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path, 0, size, block.data())) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixed_size = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixed_size) || !fixed ||
      fixed_size < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  version.major = HIWORD(fixed->dwFileVersionMS);
  version.minor = LOWORD(fixed->dwFileVersionMS);
  version.revision = HIWORD(fixed->dwFileVersionLS);
  return true;
}

std::string VersionNumberText(const ProgramVersion& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.revision);
}

}  // namespace hushwall
