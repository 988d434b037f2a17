#pragma once
// The named values one control instance persists in its window's layout. Keys are
// matched without regard to case and keep the order in which they were first
// written. A missing key reads as the default the reader passes; a writer passes
// the default too, and a value equal to it is not stored.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/font_description.h"
#include "platform/picture.h"

namespace hushwall {

using PropertyValue = std::variant<bool, std::int64_t, double, std::string, FontDescription, PictureRef>;

bool SameKey(std::string_view a, std::string_view b);

class PropertyBag {
 public:
  using Entry = std::pair<std::string, PropertyValue>;

  // Readers throw ControlError 13 for a value of another kind and 6 for an
  // integer outside the range of the kind read.
  bool ReadBool(std::string_view key, bool fallback) const;
  std::int64_t ReadInteger(std::string_view key, std::int64_t fallback) const;
  std::int32_t ReadInt32(std::string_view key, std::int32_t fallback) const;
  std::int16_t ReadInt16(std::string_view key, std::int16_t fallback) const;
  // A 32-bit colour may be stored signed or unsigned.
  std::uint32_t ReadColour(std::string_view key, std::uint32_t fallback) const;
  double ReadDouble(std::string_view key, double fallback) const;
  std::string ReadText(std::string_view key, std::string_view fallback) const;
  FontDescription ReadFont(std::string_view key, const FontDescription& fallback) const;
  PictureRef ReadPicture(std::string_view key, const PictureRef& fallback) const;

  void WriteBool(std::string_view key, bool value, bool fallback);
  void WriteInteger(std::string_view key, std::int64_t value, std::int64_t fallback);
  void WriteColour(std::string_view key, std::uint32_t value, std::uint32_t fallback);
  void WriteDouble(std::string_view key, double value, double fallback);
  void WriteText(std::string_view key, std::string_view value, std::string_view fallback);
  void WriteFont(std::string_view key, const FontDescription& value, const FontDescription& fallback);
  void WritePicture(std::string_view key, const PictureRef& value, const PictureRef& fallback);

  const PropertyValue* Find(std::string_view key) const;
  // Stores a value as it is; replacing keeps the key's place.
  void Set(std::string_view key, PropertyValue value);
  void Remove(std::string_view key);

  const std::vector<Entry>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }

 private:
  void Store(std::string_view key, PropertyValue value, bool is_default);
  std::vector<Entry> entries_;
};

}  // namespace hushwall
