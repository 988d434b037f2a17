#pragma once
// Per-user text settings addressed by application, section and key. Names are
// compared without regard to letter case: "Vantel HushWall" and "Vantel Hushwall"
// are one application. Values are kept exactly as written. An application or section
// name that is empty or holds a backslash addresses nothing: it reads "" and cannot
// be written or deleted.
#include <string>

namespace hushwall {

// True when the application and section names may address a section.
bool IsUsableSectionAddress(const std::string& application, const std::string& section);

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text, or "" when the key, its section or its application is missing.
  virtual std::string ReadSetting(const std::string& application, const std::string& section,
                                  const std::string& key) = 0;
  // Creates what is missing and replaces an existing value. Returns false when the
  // value could not be stored.
  virtual bool WriteSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) = 0;
  // Removes the section with all its keys. Returns false when the section does not
  // exist or could not be removed; the caller decides whether that matters.
  virtual bool DeleteSettingsSection(const std::string& application, const std::string& section) = 0;
};

}  // namespace hushwall
