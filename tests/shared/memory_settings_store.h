#pragma once
// A settings store held in memory, with the same case rules as the registry store;
// for tests of the parts that read or write settings. Header-only: the native and
// the Windows tests both use it.
#include <map>
#include <string>

#include "settings/settings_store.h"

namespace hushwall {

class MemorySettingsStore : public SettingsStore {
 public:
  std::string ReadSetting(const std::string& application, const std::string& section,
                          const std::string& key) override;
  bool WriteSetting(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override;
  bool DeleteSettingsSection(const std::string& application, const std::string& section) override;

  // Number of keys in a section; 0 when it does not exist.
  std::size_t KeyCount(const std::string& application, const std::string& section) const;
  // Makes every later write fail (and store nothing), as a full or locked store would.
  void FailWrites(bool fail) { fail_writes_ = fail; }

 private:
  // Names are stored folded to upper case (ASCII letters), so lookups ignore case.
  using Keys = std::map<std::string, std::string>;
  std::map<std::string, Keys> sections_;  // by folded "application\section"
  bool fail_writes_ = false;
};

namespace memory_store_detail {

inline std::string Folded(std::string name) {
  for (char& c : name) {
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  }
  return name;
}

inline std::string SectionName(const std::string& application, const std::string& section) {
  return Folded(application) + '\\' + Folded(section);
}

}  // namespace memory_store_detail

inline std::string MemorySettingsStore::ReadSetting(const std::string& application, const std::string& section,
                                             const std::string& key) {
  if (!IsUsableSectionAddress(application, section)) return "";
  auto found_section = sections_.find(memory_store_detail::SectionName(application, section));
  if (found_section == sections_.end()) return "";
  auto found_key = found_section->second.find(memory_store_detail::Folded(key));
  return found_key == found_section->second.end() ? "" : found_key->second;
}

inline bool MemorySettingsStore::WriteSetting(const std::string& application, const std::string& section,
                                       const std::string& key, const std::string& value) {
  if (fail_writes_ || !IsUsableSectionAddress(application, section)) return false;
  sections_[memory_store_detail::SectionName(application, section)][memory_store_detail::Folded(key)] = value;
  return true;
}

inline bool MemorySettingsStore::DeleteSettingsSection(const std::string& application, const std::string& section) {
  if (!IsUsableSectionAddress(application, section)) return false;
  return sections_.erase(memory_store_detail::SectionName(application, section)) == 1;
}

inline std::size_t MemorySettingsStore::KeyCount(const std::string& application, const std::string& section) const {
  auto found = sections_.find(memory_store_detail::SectionName(application, section));
  return found == sections_.end() ? 0 : found->second.size();
}

}  // namespace hushwall
