#include "platform/form_win32.h"

#include "platform/font_win32.h"
#include "platform/picture_box_win32.h"
#include "platform/property_bag.h"
#include "platform/window_win32.h"

namespace hushwall {
namespace {

constexpr char kPaneClass[] = "HushWallPane";
constexpr char kFormProperty[] = "HushWall.Form";
constexpr int kDropDownTwips = 2400;  // a drop-down list's window height includes its open list

// Panes are containers: their children's notifications belong to the window that
// owns the pane, and the pane draws its own etched border inside its area.
class Pane : public Window {
 public:
  static void Register() {
    RegisterClassOnce(kPaneClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_COMMAND:
      case WM_NOTIFY:
      case WM_DRAWITEM:
      case WM_MEASUREITEM:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORLISTBOX:
        return SendMessageA(GetParent(Handle()), message, wparam, lparam);
      default:
        return Window::HandleMessage(message, wparam, lparam);
    }
  }

  // A pane with a caption is drawn as a group box: the caption interrupts the top
  // edge, which runs through the middle of the text.
  void Paint(HDC dc) override {
    RECT area;
    GetClientRect(Handle(), &area);
    char caption[256] = {};
    const int length = GetWindowTextA(Handle(), caption, sizeof caption);
    if (length == 0) {
      DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
      return;
    }
    HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32A(dc, caption, length, &text);
    RECT edge = area;
    edge.top += text.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    RECT label{8, 0, 8 + text.cx + 4, text.cy};
    FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TextOutA(dc, 10, 0, caption, length);
    SelectObject(dc, old_font);
  }
};

struct KindStyle {
  const char* window_class;
  DWORD style;
  DWORD ex_style;
};

// No class for kinds that a registered custom control makes.
KindStyle StyleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Pane:
      return {kPaneClass, WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case ControlKind::ListBox:
      // One selected entry, no sorting; notifications carry the user's clicks.
      return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {"STATIC", SS_LEFT, 0};
    case ControlKind::PathLabel:
      return {"STATIC", SS_LEFT | SS_PATHELLIPSIS | SS_NOPREFIX, 0};
    case ControlKind::CheckBox:
      return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::PushButton:
      return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Picture:
      return {"STATIC", SS_ICON, 0};
    case ControlKind::SkinnedButton:
    case ControlKind::ProgressBar:
      return {nullptr, 0, 0};
    case ControlKind::TextBox:
      return {"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::DriveList:
      return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0};
    case ControlKind::FolderList:
    case ControlKind::FileList:
      return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_SORT,
              WS_EX_CLIENTEDGE};
  }
  return {"STATIC", 0, 0};
}

}  // namespace

SIZE OuterSizeForClientTwips(int width_twips, int height_twips, DWORD style, DWORD ex_style,
                             bool has_menu) {
  const int dpi = ScreenDpi();
  RECT area{0, 0, TwipsToPixels(width_twips, dpi), TwipsToPixels(height_twips, dpi)};
  AdjustWindowRectEx(&area, style, has_menu, ex_style);
  return {area.right - area.left, area.bottom - area.top};
}

Form* FormOf(HWND window) { return static_cast<Form*>(GetPropA(window, kFormProperty)); }

Form::~Form() {
  if (window_ && FormOf(window_) == this) RemovePropA(window_, kFormProperty);
}

void Form::CreateControls(HWND window, std::span<const ControlDefinition> controls,
                          const Layout* layout, int dpi) {
  Pane::Register();
  window_ = window;
  SetPropA(window, kFormProperty, this);
  dpi_ = dpi ? dpi : WindowDpi(window);
  layout_ = layout;
  for (const ControlDefinition* definition : CreationOrder(controls))
    controls_.push_back({definition, CreateOne(window, *definition)});
  layout_ = nullptr;
}

HWND Form::CreateOne(HWND window, const ControlDefinition& definition) {
  HWND parent = definition.parent ? Control(definition.parent) : window;
  KindStyle kind = StyleOf(definition.kind);
  if (!kind.window_class) return CreateCustom(parent, definition);
  DWORD style = WS_CHILD | kind.style | (definition.visible ? WS_VISIBLE : 0);
  // A pane's object rides in the creation parameters, as for every window class of ours.
  auto pane = definition.kind == ControlKind::Pane ? std::make_unique<Pane>() : nullptr;
  const int drop_down = definition.kind == ControlKind::DriveList ? TwipsToPixels(kDropDownTwips, dpi_) : 0;
  HWND control = CreateWindowExA(
      kind.ex_style, kind.window_class, definition.caption, style, TwipsToPixels(definition.left, dpi_),
      TwipsToPixels(definition.top, dpi_), TwipsToPixels(definition.width, dpi_),
      TwipsToPixels(definition.height, dpi_) + drop_down, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.id)),
      GetModuleHandleA(nullptr), pane.get());
  if (pane) panes_.push_back(std::move(pane));
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(definition.font)), FALSE);
  return control;
}

void Form::LayOut(int dpi) {
  dpi_ = dpi;
  // The old fonts stay alive until every control has its new one.
  std::vector<CachedFont> old_fonts = std::move(fonts_);
  fonts_.clear();
  for (const Created& created : controls_) {
    Place(created.handle, *created.definition);
    if (CustomControl* custom = CustomControlOf(created.handle))
      custom->SetDpi(dpi);
    else
      SendMessageA(created.handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(created.definition->font)), TRUE);
  }
}

void Form::Place(HWND control, const ControlDefinition& definition) const {
  const int drop_down = definition.kind == ControlKind::DriveList ? TwipsToPixels(kDropDownTwips, dpi_) : 0;
  SetWindowPos(control, nullptr, TwipsToPixels(definition.left, dpi_), TwipsToPixels(definition.top, dpi_),
               TwipsToPixels(definition.width, dpi_), TwipsToPixels(definition.height, dpi_) + drop_down,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Form::CreateCustom(HWND parent, const ControlDefinition& definition) {
  CustomControlSpec spec;
  spec.parent = parent;
  spec.name = definition.name;
  spec.caption = definition.caption ? definition.caption : "";
  spec.x = TwipsToPixels(definition.left, dpi_);
  spec.y = TwipsToPixels(definition.top, dpi_);
  spec.width = TwipsToPixels(definition.width, dpi_);
  spec.height = TwipsToPixels(definition.height, dpi_);
  spec.id = definition.id;
  spec.visible = definition.visible;
  spec.font = definition.font;
  spec.picture = definition.picture ? definition.picture : "";
  if (layout_) spec.persisted = layout_->Find(definition.name);
  std::unique_ptr<CustomControl> control = CreateCustomControl(definition.kind, spec);
  if (!control) return nullptr;
  control->SetDpi(dpi_);
  custom_controls_.push_back(std::move(control));
  return custom_controls_.back()->Handle();
}

HFONT Form::FontFor(const FontDescription& description) {
  for (const CachedFont& cached : fonts_)
    if (cached.description == description) return cached.font.Get();
  HFONT font = CreateFontFromDescription(description, dpi_);
  fonts_.push_back({description, hushwall::Font(font)});
  return font;
}

void Form::NameControl(HWND control, std::string name, std::string type_name) {
  named_[control] = {std::move(name), std::move(type_name)};
}

std::optional<Form::Found> Form::Identify(HWND control) const {
  // A custom control knows its own kind better than the table does.
  if (CustomControl* custom = CustomControlOf(control))
    return Found{control, custom->Name(), custom->TypeName()};
  if (const ControlDefinition* definition = Definition(control))
    return Found{control, definition->name, TypeNameOf(definition->kind)};
  if (auto* box = static_cast<PictureBox*>(WindowObjectOf(control, PictureBox::kClassName)))
    return Found{control, box->Name(), PictureBox::kTypeName};
  if (auto named = named_.find(control); named != named_.end())
    return Found{control, named->second.name, named->second.type_name};
  return std::nullopt;
}

std::optional<Form::Found> Form::Find(std::string_view name) const {
  if (!window_) return std::nullopt;
  for (HWND child : ChildWindows(window_)) {
    std::optional<Found> found = Identify(child);
    if (found && SameKey(found->name, name)) return found;
  }
  return std::nullopt;
}

HWND Form::Control(std::string_view name) const {
  std::optional<Found> found = Find(name);
  return found ? found->handle : nullptr;
}

const ControlDefinition* Form::Definition(HWND control) const {
  for (const Created& created : controls_)
    if (created.handle == control) return created.definition;
  return nullptr;
}

}  // namespace hushwall
