#pragma once
// A settings store held in memory, with the same case rules as the registry store;
// for tests of the parts that read or write settings.
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

}  // namespace hushwall
