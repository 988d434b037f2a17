#include "platform/property_bag.h"

#include <algorithm>
#include <cctype>

#include "platform/control_error.h"
#include "platform/numeric.h"

namespace hushwall {
namespace {

[[noreturn]] void TypeMismatch(std::string_view key) {
  throw ControlError(error_number::kTypeMismatch, std::string(key));
}

template <typename T>
const T& Expect(const PropertyValue& value, std::string_view key) {
  const T* typed = std::get_if<T>(&value);
  if (!typed) TypeMismatch(key);
  return *typed;
}

}  // namespace

bool SameKey(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

const PropertyValue* PropertyBag::Find(std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (SameKey(entry.first, key)) return &entry.second;
  }
  return nullptr;
}

void PropertyBag::Set(std::string_view key, PropertyValue value) {
  for (Entry& entry : entries_) {
    if (SameKey(entry.first, key)) {
      entry.second = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::string(key), std::move(value));
}

void PropertyBag::Remove(std::string_view key) {
  std::erase_if(entries_, [key](const Entry& entry) { return SameKey(entry.first, key); });
}

void PropertyBag::Store(std::string_view key, PropertyValue value, bool is_default) {
  if (is_default) {
    Remove(key);
  } else {
    Set(key, std::move(value));
  }
}

bool PropertyBag::ReadBool(std::string_view key, bool fallback) const {
  const PropertyValue* value = Find(key);
  if (!value) return fallback;
  if (const auto* number = std::get_if<std::int64_t>(value)) return *number != 0;
  return Expect<bool>(*value, key);
}

std::int64_t PropertyBag::ReadInteger(std::string_view key, std::int64_t fallback) const {
  const PropertyValue* value = Find(key);
  return value ? Expect<std::int64_t>(*value, key) : fallback;
}

std::int32_t PropertyBag::ReadInt32(std::string_view key, std::int32_t fallback) const {
  return ToInt32(ReadInteger(key, fallback), key);
}

std::int16_t PropertyBag::ReadInt16(std::string_view key, std::int16_t fallback) const {
  return ToInt16(ReadInteger(key, fallback), key);
}

std::uint32_t PropertyBag::ReadColour(std::string_view key, std::uint32_t fallback) const {
  const std::int64_t value = ReadInteger(key, fallback);
  if (value < INT32_MIN || value > std::int64_t(UINT32_MAX)) {
    throw ControlError(error_number::kOverflow, std::string(key));
  }
  return static_cast<std::uint32_t>(value);
}

double PropertyBag::ReadDouble(std::string_view key, double fallback) const {
  const PropertyValue* value = Find(key);
  if (!value) return fallback;
  if (const auto* number = std::get_if<std::int64_t>(value)) return double(*number);
  return Expect<double>(*value, key);
}

std::string PropertyBag::ReadText(std::string_view key, std::string_view fallback) const {
  const PropertyValue* value = Find(key);
  return value ? Expect<std::string>(*value, key) : std::string(fallback);
}

FontDescription PropertyBag::ReadFont(std::string_view key, const FontDescription& fallback) const {
  const PropertyValue* value = Find(key);
  return value ? Expect<FontDescription>(*value, key) : fallback;
}

PictureRef PropertyBag::ReadPicture(std::string_view key, const PictureRef& fallback) const {
  const PropertyValue* value = Find(key);
  return value ? Expect<PictureRef>(*value, key) : fallback;
}

void PropertyBag::WriteBool(std::string_view key, bool value, bool fallback) {
  Store(key, value, value == fallback);
}

void PropertyBag::WriteInteger(std::string_view key, std::int64_t value, std::int64_t fallback) {
  Store(key, value, value == fallback);
}

void PropertyBag::WriteColour(std::string_view key, std::uint32_t value, std::uint32_t fallback) {
  Store(key, std::int64_t(value), value == fallback);
}

void PropertyBag::WriteDouble(std::string_view key, double value, double fallback) {
  Store(key, value, value == fallback);
}

void PropertyBag::WriteText(std::string_view key, std::string_view value, std::string_view fallback) {
  Store(key, std::string(value), value == fallback);
}

void PropertyBag::WriteFont(std::string_view key, const FontDescription& value, const FontDescription& fallback) {
  Store(key, value, value == fallback);
}

void PropertyBag::WritePicture(std::string_view key, const PictureRef& value,
                               const PictureRef& fallback) {
  Store(key, value, value == fallback);
}

}  // namespace hushwall
