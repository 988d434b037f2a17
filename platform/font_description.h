#pragma once
// A font as controls hold and persist it: face, size in points and the four styles.
#include <string>

namespace hushwall {

struct FontDescription {
  std::string name = "MS Sans Serif";
  float size = 8.25f;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  int charset = 0;

  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

}  // namespace hushwall
