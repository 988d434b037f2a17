#include "engine/alert_sound_win32.h"

#include <mmsystem.h>

#include "platform/program_names.h"
#include "platform/resource_win32.h"

namespace hushwall {

bool Win32AlertSound::LoadResource(const char* name, const char* type,
                                   std::vector<std::uint8_t>& bytes) {
  const auto resource = ResourceBytes(module_, name, type);
  if (resource.empty()) return false;
  bytes.assign(resource.begin(), resource.end());
  return true;
}

void Win32AlertSound::PlayMemory(const std::uint8_t* image, unsigned flags) {
  sndPlaySoundA(reinterpret_cast<const char*>(image), flags);
}

void Win32AlertSound::StopPlaying() { sndPlaySoundA(nullptr, SND_ASYNC); }

void Win32AlertSound::ReportCannotPlay() {
  static Win32MessageBoxes system_boxes;
  (boxes_ ? *boxes_ : system_boxes).Show(owner_, "Can't play sound", kApplicationTitle, MB_OK);
}

}  // namespace hushwall
