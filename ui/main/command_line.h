#pragma once
// The program's command line: the argument string and the one switch it knows.
#include <string_view>

namespace hushwall {

// The arguments of a full command line: what follows the program name (quoted or
// not), without the blanks that separate them from it. Trailing blanks stay.
std::string_view ArgumentsOf(std::string_view command_line);

// True when the whole argument string is "/H" in any letter case.
bool AsksToStayHidden(std::string_view arguments);

}  // namespace hushwall
