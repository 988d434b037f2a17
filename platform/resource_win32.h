#pragma once
// The bytes of one of a module's resources.
#include <windows.h>

#include <cstdint>
#include <string_view>

namespace hushwall {

// A view of the resource's bytes, which live as long as the module; empty when the
// module has no such resource.
std::basic_string_view<std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type);

// A text resource (RCDATA) as text; empty when missing.
inline std::string_view ResourceText(const char* name, HMODULE module = GetModuleHandleA(nullptr)) {
  const auto bytes = ResourceBytes(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace hushwall
