#pragma once
// The running program's version, from the VERSIONINFO resource of its executable.
#include <string>

namespace hushwall {

struct ProgramVersion {
  unsigned major = 0;
  unsigned minor = 0;
  unsigned revision = 0;
};

// FILEVERSION major,minor,revision,0, as Windows shows a three-part version: the
// revision is the third of the four numbers (Windows calls it the build).
// Returns false when the executable has no version resource.
bool ReadProgramVersion(ProgramVersion& version);

// "major.minor.revision", each a decimal number without leading zeros.
std::string VersionNumberText(const ProgramVersion& version);

}  // namespace hushwall
