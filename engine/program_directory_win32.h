#pragma once
#include <string>

namespace hushwall {

// The folder of the program's executable, without a trailing backslash.
std::string ProgramDirectory();

}  // namespace hushwall
