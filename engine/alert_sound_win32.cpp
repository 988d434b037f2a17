#include "engine/alert_sound_win32.h"

#include <mmsystem.h>

#include "platform/program_names.h"

namespace hushwall {

bool Win32AlertSound::LoadResource(const char* name, const char* type,
                                   std::vector<std::uint8_t>& bytes) {
  HRSRC resource = FindResourceA(module_, name, type);
  if (!resource) return false;
  HGLOBAL loaded = ::LoadResource(module_, resource);
  const DWORD size = SizeofResource(module_, resource);
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data || size == 0) return false;
  bytes.assign(data, data + size);
  return true;
}

void Win32AlertSound::PlayMemory(const std::uint8_t* image, unsigned flags) {
  sndPlaySoundA(reinterpret_cast<const char*>(image), flags);
}

void Win32AlertSound::StopPlaying() { sndPlaySoundA(nullptr, SND_ASYNC); }

void Win32AlertSound::ReportCannotPlay() {
  MessageBoxA(owner_, "Can't play sound", kApplicationTitle, MB_OK);
}

}  // namespace hushwall
