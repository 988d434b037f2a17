#include "ui/main/command_line.h"

namespace hushwall {
namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string_view ArgumentsOf(std::string_view command_line) {
  std::size_t at = 0;
  const std::size_t size = command_line.size();
  while (at < size && IsBlank(command_line[at])) ++at;
  if (at < size && command_line[at] == '"') {
    ++at;
    while (at < size && command_line[at] != '"') ++at;
    if (at < size) ++at;
  } else {
    while (at < size && !IsBlank(command_line[at])) ++at;
  }
  while (at < size && IsBlank(command_line[at])) ++at;
  return command_line.substr(at);
}

bool AsksToStayHidden(std::string_view arguments) {
  return arguments.size() == 2 && arguments[0] == '/' && (arguments[1] == 'H' || arguments[1] == 'h');
}

}  // namespace hushwall
