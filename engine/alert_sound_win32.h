#pragma once
// The alert sound through winmm, from a resource of the program's own executable.
#include <windows.h>

#include "engine/ports.h"
#include "platform/message_boxes_win32.h"

namespace hushwall {

class Win32AlertSound : public AlertSound {
 public:
  // Resources come from module (the program's executable by default); the failure
  // message is owned by owner and shown through `boxes` (the system's by default).
  explicit Win32AlertSound(HMODULE module = GetModuleHandleA(nullptr), HWND owner = nullptr,
                           MessageBoxes* boxes = nullptr)
      : module_(module), owner_(owner), boxes_(boxes) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  bool LoadResource(const char* name, const char* type, std::vector<std::uint8_t>& bytes) override;
  void PlayMemory(const std::uint8_t* image, unsigned flags) override;
  void StopPlaying() override;
  void ReportCannotPlay() override;

 private:
  HMODULE module_;
  HWND owner_;
  MessageBoxes* boxes_;
};

}  // namespace hushwall
