#pragma once
// The running process as the main window sees it: its command line and its end.
#include <windows.h>

#include <string>

#include "ui/main/command_line.h"

namespace hushwall {

class ProcessControl {
 public:
  virtual ~ProcessControl() = default;
  // Every argument after the program name, as one string.
  virtual std::string CommandArguments() = 0;
  // Ends the process at once: no window's unload step runs and nothing is saved.
  virtual void EndProcess() = 0;
};

class Win32Process : public ProcessControl {
 public:
  std::string CommandArguments() override { return std::string(ArgumentsOf(GetCommandLineA())); }
  void EndProcess() override { ExitProcess(0); }
};

}  // namespace hushwall
