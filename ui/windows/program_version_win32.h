#pragma once
// The running program's version, from the VERSIONINFO resource of its executable.
#include <string>

namespace hushwall {

struct ProgramVersion {
  unsigned major = 0;
  unsigned minor = 0;
  unsigned revision = 0;
};

// FILEVERSION major,minor,x,revision: the revision is the last of the four numbers
// (Windows calls the third one the build, which the program does not show).
// Returns false when the executable has no version resource.
bool ReadProgramVersion(ProgramVersion& version);

// "major.minor.revision", each a decimal number without leading zeros.
std::string VersionNumberText(const ProgramVersion& version);

}  // namespace hushwall
