#include "settings/settings_store.h"

namespace hushwall {
namespace {
bool IsUsableName(const std::string& name) {
  return !name.empty() && name.find('\\') == std::string::npos;
}
}  // namespace

bool IsUsableSectionAddress(const std::string& application, const std::string& section) {
  return IsUsableName(application) && IsUsableName(section);
}

}  // namespace hushwall
