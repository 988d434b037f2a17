#pragma once
// The entry that has Windows start the program at logon, and the command line it holds.
#include <string>

namespace hushwall {

// The entry's name is the application title.
inline constexpr char kStartupEntryName[] = "Vantel HushWall";

// A folder and a file name joined by exactly one backslash: a folder that is a drive
// root ("C:\") already ends in one.
std::string JoinFolderAndFile(const std::string& folder, const std::string& file);

// The program path in double quotes, so that a path with blanks names one program
// and not a program plus arguments.
std::string StartupCommandLine(const std::string& program_path);

class StartupEntries {
 public:
  virtual ~StartupEntries() = default;
  // Creates or replaces the entry. Failures are silent.
  virtual void AddStartupEntry(const std::string& name, const std::string& command_line) = 0;
  // Removes the entry wherever it was written; a missing entry is no failure.
  virtual void RemoveStartupEntry(const std::string& name) = 0;
};

}  // namespace hushwall
