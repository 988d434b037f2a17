#include "platform/resource_win32.h"

namespace hushwall {

std::basic_string_view<std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type) {
  HRSRC resource = FindResourceA(module, name, type);
  if (!resource) return {};
  HGLOBAL loaded = ::LoadResource(module, resource);
  const DWORD size = SizeofResource(module, resource);
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data) return {};
  return {data, size};
}

}  // namespace hushwall
