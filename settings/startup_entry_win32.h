#pragma once
// The start entry in the registry's Run key: machine-wide when the user may write
// there, else the same value for the user alone.
#include <windows.h>

#include "settings/startup_entry.h"

namespace hushwall {

inline constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegistryStartupEntries : public StartupEntries {
 public:
  // The roots under which the Run key is looked for; tests pass keys of their own.
  explicit RegistryStartupEntries(HKEY machine = HKEY_LOCAL_MACHINE, HKEY user = HKEY_CURRENT_USER)
      : machine_(machine), user_(user) {}

  // Exactly one value remains: under the machine root when it can be written, else
  // under the user's.
  void AddStartupEntry(const std::string& name, const std::string& command_line) override;
  // Removes the value under both roots, so an entry written under either goes.
  void RemoveStartupEntry(const std::string& name) override;

 private:
  HKEY machine_;
  HKEY user_;
};

// The running program's file: its folder and base name joined by one backslash.
std::string ProgramFilePath();

}  // namespace hushwall
