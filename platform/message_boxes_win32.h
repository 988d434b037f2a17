#pragma once
// Message boxes behind a small interface, so tests can answer them and read what
// they said.
#include <windows.h>

#include <string>

namespace hushwall {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal message box; `type` holds the MB_ buttons and icon. Returns the button
  // chosen (IDOK, IDYES, ...).
  virtual int Show(HWND owner, const std::string& text, const std::string& title, UINT type) = 0;
};

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(HWND owner, const std::string& text, const std::string& title, UINT type) override {
    return MessageBoxA(owner, text.c_str(), title.c_str(), type);
  }
};

}  // namespace hushwall
