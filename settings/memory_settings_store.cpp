#include "settings/memory_settings_store.h"

namespace hushwall {
namespace {

std::string Folded(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return name;
}

std::string SectionName(const std::string& application, const std::string& section) {
  return Folded(application) + '\\' + Folded(section);
}

}  // namespace

std::string MemorySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                             const std::string& key) {
  if (!IsUsableSectionAddress(application, section)) return "";
  auto found_section = sections_.find(SectionName(application, section));
  if (found_section == sections_.end()) return "";
  auto found_key = found_section->second.find(Folded(key));
  return found_key == found_section->second.end() ? "" : found_key->second;
}

bool MemorySettingsStore::WriteSetting(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& value) {
  if (fail_writes_ || !IsUsableSectionAddress(application, section)) return false;
  sections_[SectionName(application, section)][Folded(key)] = value;
  return true;
}

bool MemorySettingsStore::DeleteSettingsSection(const std::string& application, const std::string& section) {
  if (!IsUsableSectionAddress(application, section)) return false;
  return sections_.erase(SectionName(application, section)) == 1;
}

std::size_t MemorySettingsStore::KeyCount(const std::string& application, const std::string& section) const {
  auto found = sections_.find(SectionName(application, section));
  return found == sections_.end() ? 0 : found->second.size();
}

}  // namespace hushwall
