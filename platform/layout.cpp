#include "platform/layout.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace hushwall {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads one value from the text after "=" of a line.
class ValueReader {
 public:
  ValueReader(std::string_view text, int line, const PictureLoader& load_picture)
      : text_(text), line_(line), load_picture_(load_picture) {}

  PropertyValue ReadWhole() {
    PropertyValue value = ReadValue();
    SkipBlanks();
    if (!AtEnd()) Fail("unexpected text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& message) const { throw LayoutError(line_, message); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
  }
  void Expect(char c) {
    SkipBlanks();
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++pos_;
  }
  bool Accept(char c) {
    SkipBlanks();
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }
  std::string Word() {
    SkipBlanks();
    const std::size_t start = pos_;
    while (!AtEnd() && IsNameChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  PropertyValue ReadValue() {
    SkipBlanks();
    const char c = Peek();
    if (c == '"') return ReadString();
    if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) return ReadNumber();
    const std::string word = Word();
    if (SameKey(word, "True")) return true;
    if (SameKey(word, "False")) return false;
    if (SameKey(word, "Font")) return ReadFont();
    if (SameKey(word, "Picture")) return ReadPicture();
    Fail(word.empty() ? "missing value" : "unknown value '" + word + "'");
  }

  std::string ReadString() {
    Expect('"');
    std::string out;
    while (true) {
      if (AtEnd()) Fail("unterminated text");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (AtEnd()) Fail("unterminated escape");
      const char e = text_[pos_++];
      switch (e) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x': {
          const int high = HexDigit(Peek());
          const int low = pos_ + 1 < text_.size() ? HexDigit(text_[pos_ + 1]) : -1;
          if (high < 0 || low < 0) Fail("bad \\x escape");
          out += static_cast<char>(high * 16 + low);
          pos_ += 2;
          break;
        }
        default: Fail(std::string("unknown escape \\") + e);
      }
    }
  }

  PropertyValue ReadNumber() {
    const std::size_t start = pos_;
    bool negative = false;
    if (Peek() == '+' || Peek() == '-') negative = text_[pos_++] == '-';
    if (Peek() == '0' && pos_ + 1 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
      pos_ += 2;
      std::uint64_t magnitude = 0;
      const char* first = text_.data() + pos_;
      auto [end, error] = std::from_chars(first, text_.data() + text_.size(), magnitude, 16);
      if (error != std::errc() || end == first || magnitude > std::uint64_t(INT64_MAX)) {
        Fail("bad hexadecimal number");
      }
      pos_ += end - first;
      const auto value = static_cast<std::int64_t>(magnitude);
      return negative ? -value : value;
    }
    std::size_t end = pos_;
    bool fraction = false;
    while (end < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[end])) ||
                                  text_[end] == '.' || text_[end] == 'e' || text_[end] == 'E' ||
                                  ((text_[end] == '-' || text_[end] == '+') &&
                                   (text_[end - 1] == 'e' || text_[end - 1] == 'E')))) {
      fraction = fraction || !std::isdigit(static_cast<unsigned char>(text_[end]));
      ++end;
    }
    const char* first = text_.data() + start + (text_[start] == '+' ? 1 : 0);
    const char* last = text_.data() + end;
    pos_ = end;
    if (fraction) {
      double value = 0;
      auto [stop, error] = std::from_chars(first, last, value);
      if (error != std::errc() || stop != last || !std::isfinite(value)) Fail("bad number");
      return value;
    }
    std::int64_t value = 0;
    auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc() || stop != last) Fail("bad number");
    return value;
  }

  FontDescription ReadFont() {
    Expect('(');
    FontDescription font;
    SkipBlanks();
    font.name = ReadString();
    Expect(',');
    SkipBlanks();
    const PropertyValue size = ReadNumber();
    if (const auto* whole = std::get_if<std::int64_t>(&size)) {
      font.size = static_cast<float>(*whole);
    } else {
      font.size = static_cast<float>(std::get<double>(size));
    }
    while (Accept(',')) {
      const std::string flag = Word();
      if (SameKey(flag, "bold")) {
        font.bold = true;
      } else if (SameKey(flag, "italic")) {
        font.italic = true;
      } else if (SameKey(flag, "underline")) {
        font.underline = true;
      } else if (SameKey(flag, "strikethrough")) {
        font.strikethrough = true;
      } else if (SameKey(flag, "charset")) {
        Expect('=');
        SkipBlanks();
        const PropertyValue charset = ReadNumber();
        const auto* number = std::get_if<std::int64_t>(&charset);
        if (!number || *number < 0 || *number > 255) Fail("bad charset");
        font.charset = static_cast<int>(*number);
      } else {
        Fail("unknown font style '" + flag + "'");
      }
    }
    Expect(')');
    return font;
  }

  PictureRef ReadPicture() {
    Expect('(');
    SkipBlanks();
    const std::string source = ReadString();
    Expect(')');
    PictureRef picture = load_picture_ ? load_picture_(source) : nullptr;
    if (!picture) Fail("no picture named \"" + source + "\"");
    return picture;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_;
  const PictureLoader& load_picture_;
};

}  // namespace

LayoutError::LayoutError(int line, const std::string& message)
    : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + message : message),
      line_(line) {}

const PropertyBag* Layout::Find(std::string_view control) const {
  for (const Entry& section : sections_) {
    if (SameKey(section.first, control)) return &section.second;
  }
  return nullptr;
}

PropertyBag& Layout::Section(std::string_view control) {
  for (Layout::Entry& section : sections_) {
    if (SameKey(section.first, control)) return section.second;
  }
  return sections_.emplace_back(std::string(control), PropertyBag()).second;
}

Layout ParseLayout(std::string_view text, const PictureLoader& load_picture) {
  Layout layout;
  PropertyBag* current = nullptr;
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++line_number;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']') throw LayoutError(line_number, "section name without ']'");
      const std::string_view name = Trim(line.substr(1, line.size() - 2));
      if (name.empty()) throw LayoutError(line_number, "empty section name");
      if (layout.Find(name)) throw LayoutError(line_number, "second section for a control");
      current = &layout.Section(name);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) throw LayoutError(line_number, "expected 'key = value'");
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty()) throw LayoutError(line_number, "missing key");
    for (const char c : key) {
      if (!IsNameChar(c)) throw LayoutError(line_number, "bad key");
    }
    if (!current) throw LayoutError(line_number, "a value before the first section");
    if (current->Find(key)) throw LayoutError(line_number, "key given twice");
    current->Set(key, ValueReader(line.substr(equals + 1), line_number, load_picture).ReadWhole());
  }
  return layout;
}

}  // namespace hushwall
