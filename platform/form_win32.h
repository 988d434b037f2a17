#pragma once
// Creates a window's child controls from their table and finds them by name.
#include <windows.h>

#include <memory>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/font_win32.h"
#include "platform/form.h"
#include "platform/gdi_win32.h"
#include "platform/window_win32.h"

namespace hushwall {

// The outer window size that gives a client area of the given twips, for a window
// of the given styles, with or without a menu bar.
SIZE OuterSizeForClientTwips(int width_twips, int height_twips, DWORD style, DWORD ex_style,
                             bool has_menu);

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates every control of the table inside `window`, converting twips at the
  // screen's dpi. The table must outlive the form.
  void CreateControls(HWND window, std::span<const ControlDefinition> controls);

  // nullptr when the table has no control of that name.
  HWND Control(std::string_view name) const;
  const ControlDefinition* Definition(HWND control) const;
  int Dpi() const { return dpi_; }

 private:
  HWND CreateOne(HWND window, const ControlDefinition& definition);
  HFONT FontFor(const FontDescription& description);

  struct Created {
    const ControlDefinition* definition;
    HWND handle;
  };
  struct CachedFont {
    FontDescription description;
    hushwall::Font font;
  };
  int dpi_ = 96;
  std::vector<Created> controls_;
  std::vector<CachedFont> fonts_;
  // The objects behind the panes, which are windows of our own class.
  std::vector<std::unique_ptr<Window>> panes_;
};

}  // namespace hushwall
