#include "settings/settings_dialog_win32.h"

#include <array>
#include <memory>

#include "platform/program_names.h"
#include "resources/resource_ids.h"

namespace hushwall {
namespace {

const FontDescription kPlain{};
constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
// Only the upper part is seen; the rows below it are reached with Tab alone.
constexpr int kClientWidth = 5595, kClientHeight = 4110;
constexpr COLORREF kPathBackground = RGB(224, 224, 224);

// No control may have IDOK's id: Enter outside a push button would press it.
enum SettingId {
  kIdStart = 200, kIdPopsound, kIdSplash, kIdShow3, kIdAppPath, kIdImportList, kIdExportList, kIdOK, kIdActive,
  kIdFrame1, kIdNoBorder, kIdNoMaxButton, kIdNoMinButton, kIdStereotype, kIdTxtStartup, kIdTxtSound,
  kIdTxtSplash, kIdTxtActive, kIdDeleteRegset, kIdCleanList, kIdImageFirst,
};

const ControlDefinition kControls[] = {
    {"chkStart", ControlKind::CheckBox, "Run Hushwall when Windows starts.", nullptr, 840, 360, 3735, 375, true, 0,
     kPlain, kIdStart},
    {"chkPopsound", ControlKind::CheckBox, "Play a sound when popup window is prevented.", nullptr, 840, 1080, 3735,
     375, true, 4, kPlain, kIdPopsound},
    {"chkSplash", ControlKind::CheckBox, "Show splash screen when on startup.", nullptr, 840, 1800, 3615, 375, true,
     3, kPlain, kIdSplash},
    {"lblShow3", ControlKind::Label, "HushWall directory  :", nullptr, 840, 2520, 1935, 255, true, 12, kPlain,
     kIdShow3},
    {"lblAppPath", ControlKind::PathLabel, "", nullptr, 840, 2880, 4095, 255, true, 11, kPlain, kIdAppPath},
    {"cmdImportList", ControlKind::PushButton, "Import list", nullptr, 600, 3600, 1095, 375, true, 5, kPlain,
     kIdImportList},
    {"cmdExportList", ControlKind::PushButton, "Export list", nullptr, 2160, 3600, 1095, 375, true, 6, kPlain,
     kIdExportList},
    {"cmdOK", ControlKind::PushButton, "OK", nullptr, 3840, 3600, 1095, 375, true, 2, kPlain, kIdOK},
    {"chkActive", ControlKind::CheckBox, "Enable / Disable HushWall", nullptr, 600, 4200, 2895, 255, true, 13,
     kPlain, kIdActive},
    {"Frame1", ControlKind::Pane, "Close if Any of the Below is True", nullptr, 720, 4560, 3135, 1575, true, 15,
     kPlain, kIdFrame1},
    {"chkNoBorder", ControlKind::CheckBox, "No TitleBar", "Frame1", 105, 240, 1185, 285, true, 18, kPlain,
     kIdNoBorder},
    {"chkNoMaxButton", ControlKind::CheckBox, "No Max Button", "Frame1", 1440, 240, 1380, 285, true, 17, kPlain,
     kIdNoMaxButton},
    {"chkNoMinButton", ControlKind::CheckBox, "No Min Button", "Frame1", 1440, 525, 1335, 285, true, 16, kPlain,
     kIdNoMinButton},
    {"chkStereotype", ControlKind::CheckBox, "Stereotype", "Frame1", 120, 1200, 1365, 210, true, 19, kPlain,
     kIdStereotype},
    {"txtStartup", ControlKind::TextBox, "0", nullptr, 120, 6480, 375, 375, true, 1, kPlain, kIdTxtStartup},
    {"txtSound", ControlKind::TextBox, "1", nullptr, 600, 6480, 375, 375, true, 8, kPlain, kIdTxtSound},
    {"txtSplash", ControlKind::TextBox, "1", nullptr, 1080, 6480, 375, 375, true, 10, kPlain, kIdTxtSplash},
    {"txtActive", ControlKind::TextBox, "0", nullptr, 1560, 6480, 375, 375, true, 14, kPlain, kIdTxtActive},
    {"cmdDeleteRegset", ControlKind::PushButton, "Del Reg setting", nullptr, 2880, 6600, 1695, 375, true, 9, kPlain,
     kIdDeleteRegset},
    {"cmdCleanList", ControlKind::PushButton, "Clean list", nullptr, 2880, 7080, 1695, 375, true, 7, kPlain,
     kIdCleanList},
    {"Image1", ControlKind::Picture, "", nullptr, 240, 360, 360, 360, true, 20, kPlain, kIdImageFirst + 0},
    {"Image2", ControlKind::Picture, "", nullptr, 240, 1080, 360, 360, true, 21, kPlain, kIdImageFirst + 1},
    {"Image3", ControlKind::Picture, "", nullptr, 240, 1800, 360, 360, true, 22, kPlain, kIdImageFirst + 2},
    {"Image4", ControlKind::Picture, "", nullptr, 240, 2520, 360, 360, true, 23, kPlain, kIdImageFirst + 3},
};

constexpr const char* kInitiallyChecked[] = {"chkPopsound", "chkSplash", "chkActive"};

// The path as the dialog shows it: lower case in the system's code page.
std::string Lowered(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

frmSetting::frmSetting(SettingsWindows& windows, SettingsHost& host, SettingsPorts ports, std::string program_path)
    : windows_(windows),
      host_(host),
      ports_(ports),
      program_path_(program_path),
      logic_(*this,
             SettingsTargets{ports.store, ports.startup, host.State().Flags(),
                             [&host](bool on) { host.SetPlaySound(on); }},
             program_path) {}

bool frmSetting::Load(HWND owner) {
  RegisterClassOnce(kClassName);
  const SIZE size = OuterSizeForClientTwips(kClientWidth, kClientHeight, kDialogStyle, WS_EX_CONTROLPARENT, false);
  if (!Create(kClassName, "Setting", kDialogStyle, WS_EX_CONTROLPARENT, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
              size.cy, owner, nullptr))
    return false;
  path_background_.Reset(CreateSolidBrush(kPathBackground));
  form_.CreateControls(Handle(), kControls);
  SetInitialStates();
  logic_.Open(Lowered(program_path_));
  EnableDialogKeys();
  return true;
}

void frmSetting::SetInitialStates() {
  for (const char* name : kInitiallyChecked) SendMessageA(form_.Control(name), BM_SETCHECK, BST_CHECKED, 0);
  ShowShields(form_.Dpi());
}

void frmSetting::ShowShields(int dpi) {
  const int size = MulDiv(32, dpi, 96);  // the icon's own size at 96 dpi; the control takes it
  Icon shield(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GREEN_IMG), IMAGE_ICON, size, size, 0)));
  if (!shield) return;
  for (const char* name : {"Image1", "Image2", "Image3", "Image4"})
    SendMessageA(form_.Control(name), STM_SETICON, reinterpret_cast<WPARAM>(shield.Get()), 0);
  shield_ = std::move(shield);  // the one shown before goes once nothing shows it
}

LRESULT frmSetting::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case DM_GETDEFID:
      return FocusedPushButtonAsDefault(Handle());
    case WM_COMMAND:
      if (lparam != 0) {
        OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
  }
  return SecondaryWindow::HandleMessage(message, wparam, lparam);
}

LRESULT frmSetting::OnControlColour(HDC dc, HWND control) {
  if (control == form_.Control("lblAppPath")) {
    SetBkColor(dc, kPathBackground);
    return reinterpret_cast<LRESULT>(path_background_.Get());
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void frmSetting::OnCommand(HWND control, int code) {
  const ControlDefinition* definition = form_.Definition(control);
  if (!definition || code != BN_CLICKED) return;
  switch (definition->id) {
    case kIdOK: cmdOK_Click(); return;
    case kIdCleanList: cmdCleanList_Click(); return;
    case kIdDeleteRegset: logic_.DeleteStoredSettings(); return;
    case kIdExportList: windows_.OpenExport(); return;
    case kIdImportList: windows_.OpenImport(); return;
  }
  if (definition->kind == ControlKind::CheckBox) logic_.CheckBoxClicked(definition->name);
}

void frmSetting::cmdOK_Click() {
  const std::vector<std::string> failed = logic_.Confirm();
  if (!failed.empty())
    ports_.boxes.Show(Handle(), SettingsWriteFailureMessage(failed), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
  DestroyWindow(Handle());
}

void frmSetting::cmdCleanList_Click() {
  if (ports_.boxes.Show(Handle(), "Are you sure ?", "Clean list", MB_YESNO) != IDYES) return;
  BlockingState& state = host_.State();
  state.RemoveList().Clear();
  ports_.lists.SaveRemoveList(Handle(), state);
  host_.RemoveListChanged();
}

int frmSetting::CheckState(std::string_view control) const {
  return static_cast<int>(SendMessageA(form_.Control(control), BM_GETCHECK, 0, 0));
}

std::string frmSetting::Text(std::string_view control) const {
  HWND handle = form_.Control(control);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(handle, text.data(), static_cast<int>(text.size()))));
  return text;
}

void frmSetting::SetText(std::string_view control, const std::string& text) {
  SetWindowTextA(form_.Control(control), text.c_str());
}

void frmSetting::SetEnabled(std::string_view control, bool enabled) {
  EnableWindow(form_.Control(control), enabled);
}

SettingsWindows::SettingsWindows(SettingsHost& host, SettingsPorts ports, std::string program_path)
    : settings_([this, &host, ports, program_path] {
        return std::make_unique<frmSetting>(*this, host, ports, program_path);
      }),
      export_([&host, ports] { return std::make_unique<frmExport>(host, ports); }),
      import_([&host, ports] { return std::make_unique<frmImport>(host, ports); }) {}

frmSetting* SettingsWindows::OpenSettings(HWND main_window) {
  main_window_ = main_window;
  return settings_.Open(main_window);
}

frmExport* SettingsWindows::OpenExport() { return export_.Open(main_window_); }
frmImport* SettingsWindows::OpenImport() { return import_.Open(main_window_); }

}  // namespace hushwall
