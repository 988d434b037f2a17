#include "platform/layout.h"

#include <charconv>
#include <cstdio>

namespace hushwall {
// The writer lives apart from the reader: the program only reads its layouts, and
// writing numbers links the C++ runtime's floating-point formatter, which would
// otherwise be a sixth of the program's size.
namespace {

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
          char escape[5];
          std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

template <typename Number>
void AppendNumber(std::string& out, Number value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, end);
}

void AppendValue(std::string& out, const PropertyValue& value, const std::string& key) {
  if (const auto* flag = std::get_if<bool>(&value)) {
    out += *flag ? "True" : "False";
  } else if (const auto* whole = std::get_if<std::int64_t>(&value)) {
    AppendNumber(out, *whole);
  } else if (const auto* fraction = std::get_if<double>(&value)) {
    const std::size_t start = out.size();
    AppendNumber(out, *fraction);
    // Keep a fraction a fraction when it is read back.
    if (out.find_first_of(".e", start) == std::string::npos) out += ".0";
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    AppendQuoted(out, *text);
  } else if (const auto* font = std::get_if<FontDescription>(&value)) {
    out += "Font(";
    AppendQuoted(out, font->name);
    out += ", ";
    AppendNumber(out, font->size);
    if (font->bold) out += ", bold";
    if (font->italic) out += ", italic";
    if (font->underline) out += ", underline";
    if (font->strikethrough) out += ", strikethrough";
    if (font->charset != 0) {
      out += ", charset=";
      AppendNumber(out, font->charset);
    }
    out += ')';
  } else {
    const PictureRef& picture = std::get<PictureRef>(value);
    if (!picture || picture->Source().empty()) {
      throw LayoutError(0, "the picture under \"" + key + "\" has no name");
    }
    out += "Picture(";
    AppendQuoted(out, picture->Source());
    out += ')';
  }
}

}  // namespace

std::string FormatLayout(const Layout& layout) {
  std::string out;
  for (const Layout::Entry& section : layout.Sections()) {
    if (!out.empty()) out += '\n';
    out += '[';
    out += section.first;
    out += "]\n";
    for (const PropertyBag::Entry& entry : section.second.Entries()) {
      out += entry.first;
      out += " = ";
      AppendValue(out, entry.second, entry.first);
      out += '\n';
    }
  }
  return out;
}

}  // namespace hushwall
