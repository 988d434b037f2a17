#pragma once
// A window layout: the persisted property sets of a window's controls, one section
// per control, kept as text:
//
//   [cmdAdd]
//   Text = "Add"
//   Font = Font("MS Sans Serif", 8.25, bold)
//   Enabled = False
//   SizeCW = 4
//   Picture = Picture("logo")
//
// Section names and keys are matched without regard to case. Values are True or
// False, integers (decimal, or hexadecimal after 0x), decimal fractions, quoted
// texts (escapes \\ \" \n \r \t \xHH), fonts (face, size in points, then any of
// bold, italic, underline, strikethrough, charset=N) and pictures named for the
// picture loader. Lines starting with ';' or '#' are comments.
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/property_bag.h"

namespace hushwall {

class LayoutError : public std::runtime_error {
 public:
  LayoutError(int line, const std::string& message);
  int Line() const { return line_; }

 private:
  int line_;
};

// Turns a picture name of a layout into a picture; nullptr when there is none.
using PictureLoader = std::function<PictureRef(const std::string& source)>;

class Layout {
 public:
  using Entry = std::pair<std::string, PropertyBag>;

  const PropertyBag* Find(std::string_view control) const;
  // The section of a control, made empty at the end when it does not exist yet; the
  // reference stays valid while the layout lives.
  PropertyBag& Section(std::string_view control);
  const std::deque<Entry>& Sections() const { return sections_; }

 private:
  std::deque<Entry> sections_;  // references stay valid as sections are added
};

// Throws LayoutError for text that does not follow the format (with its line).
Layout ParseLayout(std::string_view text, const PictureLoader& load_picture = nullptr);
// Throws LayoutError for a picture without a source name.
std::string FormatLayout(const Layout& layout);

}  // namespace hushwall
