#pragma once
// Creates a window's child controls from their table, and finds a window's controls
// by name.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/custom_control_win32.h"
#include "platform/font_win32.h"
#include "platform/form.h"
#include "platform/gdi_win32.h"
#include "platform/layout.h"
#include "platform/window_win32.h"

namespace hushwall {

// The outer window size that gives a client area of the given twips, for a window
// of the given styles, with or without a menu bar.
SIZE OuterSizeForClientTwips(int width_twips, int height_twips, DWORD style, DWORD ex_style,
                             bool has_menu);

class Form;
// The form whose controls fill `window`, or nullptr.
Form* FormOf(HWND window);

class Form {
 public:
  // A control found by name.
  struct Found {
    HWND handle;
    std::string name;
    std::string type_name;
  };

  explicit Form(HWND window = nullptr) : window_(window) {}
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // For forms whose window exists only after them.
  void Attach(HWND window) { window_ = window; }

  // Creates every control of the table inside `window`, converting twips at `dpi`,
  // by default the window's own. Custom kinds are made by the control registered for
  // them; one that is not registered is left out. A custom control with a section in
  // `layout` loads its saved property set from there. The table must outlive the form.
  void CreateControls(HWND window, std::span<const ControlDefinition> controls,
                      const Layout* layout = nullptr, int dpi = 0);
  // Places and sizes the table's controls, and gives them their fonts, again at `dpi`,
  // as if they had been made there.
  void LayOut(int dpi);

  // Names a child control the table did not make and that does not name itself (a
  // picture box or a custom control does), with its kind, such as "Label".
  void NameControl(HWND control, std::string name, std::string type_name);

  // The window's control of that name, letter case ignored: one from the table, a
  // picture box, a custom control or one named here. Nothing when there is none.
  std::optional<Found> Find(std::string_view name) const;
  // The same, only its handle; nullptr when there is none.
  HWND Control(std::string_view name) const;
  const ControlDefinition* Definition(HWND control) const;
  int Dpi() const { return dpi_; }

 private:
  const Layout* layout_ = nullptr;  // while the controls are made
  HWND CreateOne(HWND window, const ControlDefinition& definition);
  HWND CreateCustom(HWND parent, const ControlDefinition& definition);
  std::optional<Found> Identify(HWND control) const;
  HFONT FontFor(const FontDescription& description);
  void Place(HWND control, const ControlDefinition& definition) const;

  struct Created {
    const ControlDefinition* definition;
    HWND handle;
  };
  struct Named {
    std::string name;
    std::string type_name;
  };
  struct CachedFont {
    FontDescription description;
    hushwall::Font font;
  };
  HWND window_;
  int dpi_ = 96;
  std::vector<Created> controls_;
  std::vector<std::unique_ptr<CustomControl>> custom_controls_;
  std::map<HWND, Named> named_;
  std::vector<CachedFont> fonts_;
  // The objects behind the panes, which are windows of our own class.
  std::vector<std::unique_ptr<Window>> panes_;
};

}  // namespace hushwall
