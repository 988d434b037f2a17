#include "settings/startup_entry_win32.h"

#include "engine/program_directory_win32.h"
#include "platform/handles_win32.h"

namespace hushwall {
namespace {

// True when the value was stored. A key that could not be opened is never used.
bool SetRunValue(HKEY root, const std::string& name, const std::string& command_line) {
  RegistryKey run;
  if (RegCreateKeyExA(root, kRunKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      run.Out(), nullptr) != ERROR_SUCCESS)
    return false;
  // The stored length counts the terminating NUL.
  return RegSetValueExA(run.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command_line.c_str()),
                        static_cast<DWORD>(command_line.size() + 1)) == ERROR_SUCCESS;
}

void DeleteRunValue(HKEY root, const std::string& name) {
  RegistryKey run;
  if (RegOpenKeyExA(root, kRunKeyPath, 0, KEY_SET_VALUE, run.Out()) != ERROR_SUCCESS) return;
  RegDeleteValueA(run.Get(), name.c_str());
}

bool RunValueExists(HKEY root, const std::string& name) {
  RegistryKey run;
  if (RegOpenKeyExA(root, kRunKeyPath, 0, KEY_QUERY_VALUE, run.Out()) != ERROR_SUCCESS) return false;
  return RegQueryValueExA(run.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace

// Two values would start the program twice at logon, so each write clears the other
// root.
void RegistryStartupEntries::AddStartupEntry(const std::string& name, const std::string& command_line) {
  if (SetRunValue(machine_, name, command_line)) {
    DeleteRunValue(user_, name);
    return;
  }
  if (!SetRunValue(user_, name, command_line)) return;
  DeleteRunValue(machine_, name);
  // A machine-wide value this user may neither replace nor remove starts the program
  // already; the user's own would be a second start.
  if (RunValueExists(machine_, name)) DeleteRunValue(user_, name);
}

void RegistryStartupEntries::RemoveStartupEntry(const std::string& name) {
  DeleteRunValue(machine_, name);
  DeleteRunValue(user_, name);
}

std::string ProgramFilePath() {
  char module[MAX_PATH * 4] = {};
  GetModuleFileNameA(nullptr, module, sizeof module);
  std::string file = module;
  const std::size_t separator = file.find_last_of('\\');
  if (separator != std::string::npos) file.erase(0, separator + 1);
  const std::size_t dot = file.find_last_of('.');
  if (dot != std::string::npos) file.erase(dot);
  std::string folder = ProgramDirectory();
  // At a drive root the folder is "C:"; the root itself is "C:\".
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return JoinFolderAndFile(folder, file + ".exe");
}

}  // namespace hushwall
