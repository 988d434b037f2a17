#include "ui/windows/help_win32.h"

#include "controls/button/button_win32.h"
#include "platform/font_win32.h"
#include "resources/button_ids.h"
#include "resources/resource_ids.h"
#include "ui/windows/info_texts.h"

namespace hushwall {
namespace {

constexpr char kClassName[] = "HushWallHelp";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 5565, kClientHeight = 6540;  // twips

const FontDescription kPlain{};
const FontDescription kBold{.bold = true};
const FontDescription kCapitalFont{"Times New Roman", 26.25f};
const FontDescription kSmallFont{"Times New Roman", 14.25f};

constexpr COLORREF kLogoCapitalColour = RGB(0, 0, 255);
constexpr COLORREF kLogoRestColour = RGB(255, 0, 0);

enum : int {
  kIdFrame = 100, kIdFirstCapital, kIdFirstRest, kIdSecondCapital, kIdSecondRest, kIdIcon, kIdVersion,
  kIdDate, kIdEdition, kIdText, kIdOk,
};

namespace text = help_texts;

// Everything lies in Frame1, placed relative to it. The small part of each logo word
// sits lower than its capital, on about the same baseline.
const ControlDefinition kControls[] = {
    {"Frame1", ControlKind::Pane, "", nullptr, 60, 60, 5430, 6420, true, 0, kPlain, kIdFrame},
    {"lblLogo(0)", ControlKind::Label, text::kLogoFirstCapital, "Frame1", 840, 120, 435, 615, true, 0, kCapitalFont,
     kIdFirstCapital},
    {"lblLogo(1)", ControlKind::Label, text::kLogoFirstRest, "Frame1", 1260, 390, 735, 375, true, 1, kSmallFont,
     kIdFirstRest},
    {"lblLogo(2)", ControlKind::Label, text::kLogoSecondCapital, "Frame1", 2040, 120, 435, 615, true, 2, kCapitalFont,
     kIdSecondCapital},
    {"lblLogo(3)", ControlKind::Label, text::kLogoSecondRest, "Frame1", 2460, 390, 1050, 375, true, 3, kSmallFont,
     kIdSecondRest},
    {"Image1", ControlKind::Picture, "", "Frame1", 135, 225, 480, 480, true, 4, kPlain, kIdIcon},
    {"Label14", ControlKind::Label, text::kVersionLine, "Frame1", 480, 720, 1215, 255, true, 5, kBold, kIdVersion},
    {"Label16", ControlKind::Label, text::kReleaseDate, "Frame1", 480, 960, 1335, 255, true, 6, kPlain, kIdDate},
    {"Label8", ControlKind::Label, text::kEdition, "Frame1", 3720, 840, 1500, 375, true, 7, kSmallFont, kIdEdition},
    {"cmdCLOSE", ControlKind::SkinnedButton, text::kOk, "Frame1", 1800, 5880, 1455, 375, true, 9, kPlain, kIdOk},
};

// Text1, which the control tables have no kind for: read-only, several lines, a
// vertical scroll bar.
constexpr RECT kTextPlace{240, 1320, 240 + 4935, 1320 + 4215};

constexpr char kOriginalProcedure[] = "HushWall.TextProcedure";

// A multi-line text box asks for every key, Tab and Escape too, and outside a dialog
// box it does nothing with them; they are left to the dialog keys, so that Tab moves
// on from the text and Escape closes the window.
bool IsLeftToDialogKeys(const MSG* key) {
  return key && key->message == WM_KEYDOWN && (key->wParam == VK_ESCAPE || key->wParam == VK_TAB);
}

LRESULT CALLBACK HelpTextProcedure(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropA(box, kOriginalProcedure));
  if (message == WM_NCDESTROY) {
    RemovePropA(box, kOriginalProcedure);
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  }
  LRESULT result = CallWindowProcA(original, box, message, wparam, lparam);
  if (message == WM_GETDLGCODE && IsLeftToDialogKeys(reinterpret_cast<const MSG*>(lparam)))
    result &= ~LRESULT(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_WANTTAB);
  return result;
}

bool IsLogoCapital(int id) { return id == kIdFirstCapital || id == kIdSecondCapital; }
bool IsLogoRest(int id) { return id == kIdFirstRest || id == kIdSecondRest; }

void CentreOnScreen(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HelpWindow::HelpWindow() : skin_(kDefaultSkinName) {}

bool HelpWindow::Load(HWND owner) {
  RegisterClassOnce(kClassName);
  MyButtonWindow::Register();
  const SIZE outer = OuterSizeForClientTwips(kClientWidth, kClientHeight, kStyle, kExStyle, false);
  if (!Create(kClassName, text::kCaption, kStyle, kExStyle, 0, 0, outer.cx, outer.cy, owner, nullptr)) return false;
  CreateControls();
  CentreOnScreen(Handle());
  EnableDialogKeys();
  return true;
}

void HelpWindow::CreateControls() {
  host_.Attach(Handle());
  // MyButtonDefSkin: the skin of cmdCLOSE, never shown.
  if (skin_.LoadImageResource(BUTTON_DEFAULT_SKIN_RESOURCE)) skin_.Create(Handle(), 0, 0, false);
  host_.Controls().CreateControls(Handle(), kControls);
  HWND frame = host_.Controls().Control("Frame1");
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GREEN_IMG));  // shared
  SendMessageA(GetDlgItem(frame, kIdIcon), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  CreateHelpText();
  if (auto* ok = dynamic_cast<MyButtonWindow*>(CustomControlOf(GetDlgItem(frame, kIdOk))))
    ok->OnClick([this] { cmdCLOSE_Click(); });
}

void HelpWindow::CreateHelpText() {
  HWND box = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", text::kHelpText,
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0,
      host_.Controls().Control("Frame1"), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdText)),
      GetModuleHandleA(nullptr), nullptr);
  // Before the button in the tab order, as it comes first on the window.
  SetWindowPos(box, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetPropA(box, kOriginalProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrA(box, GWLP_WNDPROC)));
  SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HelpTextProcedure));
  host_.NameControl(box, "Text1", "TextBox");
  PlaceHelpText(host_.Controls().Dpi());
}

void HelpWindow::PlaceHelpText(int dpi) {
  HWND box = GetDlgItem(host_.Controls().Control("Frame1"), kIdText);
  const int left = TwipsToPixels(kTextPlace.left, dpi), top = TwipsToPixels(kTextPlace.top, dpi);
  SetWindowPos(box, nullptr, left, top, TwipsToPixels(kTextPlace.right, dpi) - left,
               TwipsToPixels(kTextPlace.bottom, dpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
  Font replaced = std::move(text_font_);
  text_font_ = Font(CreateFontFromDescription(kPlain, dpi));
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(text_font_.Get()), TRUE);
}

LRESULT HelpWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CTLCOLORSTATIC) return OnLabelColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
  return SecondaryWindow::HandleMessage(message, wparam, lparam);
}

// The logo's letters stand on the frame without a background of their own.
LRESULT HelpWindow::OnLabelColour(HDC dc, HWND label) {
  const int id = GetDlgCtrlID(label);
  if (IsLogoCapital(id) || IsLogoRest(id)) {
    SetTextColor(dc, IsLogoCapital(id) ? kLogoCapitalColour : kLogoRestColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (id == kIdText) {
    // Read-only, yet white like a text box one can type in.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  return SecondaryWindow::HandleMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(label));
}

void HelpWindow::cmdCLOSE_Click() { DestroyWindow(Handle()); }

}  // namespace hushwall
