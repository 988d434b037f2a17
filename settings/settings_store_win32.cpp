#include "settings/settings_store_win32.h"

#include <windows.h>

#include <vector>

#include "platform/handles_win32.h"

namespace hushwall {
namespace {

std::string SectionPath(const std::string& application, const std::string& section) {
  return "Software\\" + application + "\\" + section;
}

}  // namespace

std::string RegistrySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                               const std::string& key) {
  if (!IsUsableSectionAddress(application, section)) return "";
  RegistryKey open;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                    open.Out()) != ERROR_SUCCESS) {
    return "";
  }
  // The value may change between the size query and the read; retry until it fits.
  std::vector<char> buffer(64);
  for (;;) {
    DWORD type = 0;
    DWORD size = DWORD(buffer.size());
    LONG status = RegQueryValueExA(open.Get(), key.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status == ERROR_MORE_DATA) {
      buffer.resize(size + 1);
      continue;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return "";
    // A stored string need not carry its terminator; it ends at the first NUL.
    std::string value(buffer.data(), size);
    return value.substr(0, value.find('\0'));
  }
}

bool RegistrySettingsStore::WriteSetting(const std::string& application, const std::string& section,
                                         const std::string& key, const std::string& value) {
  if (!IsUsableSectionAddress(application, section)) return false;
  RegistryKey open;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, open.Out(),
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(open.Get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        DWORD(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::DeleteSettingsSection(const std::string& application, const std::string& section) {
  if (!IsUsableSectionAddress(application, section)) return false;
  return RegDeleteKeyA(HKEY_CURRENT_USER, SectionPath(application, section).c_str()) == ERROR_SUCCESS;
}

}  // namespace hushwall
