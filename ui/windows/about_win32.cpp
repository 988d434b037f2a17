#include "ui/windows/about_win32.h"

#include <windowsx.h>

#include <utility>

#include "controls/button/button_win32.h"
#include "platform/font_win32.h"
#include "platform/resource_win32.h"
#include "resources/button_ids.h"
#include "resources/resource_ids.h"
#include "ui/windows/info_texts.h"

namespace hushwall {
namespace {

constexpr char kClassName[] = "HushWallAbout";
constexpr UINT_PTR kBlinkTimer = 1;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 5700, kClientHeight = 5175;  // twips

const FontDescription kTahoma{"Tahoma", 8.25f};
const FontDescription kTitleFont{"Tahoma", 9.0f, true};
const FontDescription kButtonFont{"Tahoma", 8.25f, true};
constexpr COLORREF kNavy = RGB(0, 0, 128);

enum : int {
  kIdAppTitle = 100, kIdVersionSpare, kIdVersionLine, kIdVersionSource, kIdMailCaption, kIdMail,
  kIdFirstPageCaption, kIdFirstPage, kIdSecondPageCaption, kIdSecondPage, kIdContact, kIdCredits,
  kIdFirstCredit, kIdSecondCredit, kIdIcon, kIdOk,
};

namespace text = about_texts;

// lbAppVersion(1) is the blink's empty element and lbAppVersion(0), hidden, its
// version text; the blink itself reads them from VersionBlink.
const ControlDefinition kControls[] = {
    {"lbAppTitle", ControlKind::Label, text::kAppTitle, nullptr, 1440, 360, 2055, 210, true, 0, kTitleFont, kIdAppTitle},
    {"lbAppVersion(1)", ControlKind::Label, "", nullptr, 1440, 120, 1005, 195, true, 1, kTahoma, kIdVersionSpare},
    {"Label6", ControlKind::Label, "", nullptr, 1440, 720, 1215, 255, true, 2, kTahoma, kIdVersionLine},
    {"lbAppVersion(0)", ControlKind::Label, text::kVersionLine, nullptr, 2760, 720, 960, 195, false, 3, kTahoma,
     kIdVersionSource},
    {"Label7", ControlKind::Label, text::kMailCaption, nullptr, 1440, 1080, 615, 255, true, 4, kTahoma, kIdMailCaption},
    {"Label1", ControlKind::Label, text::kMailAddress, nullptr, 2040, 1080, 1815, 255, true, 5, kTahoma, kIdMail},
    {"Label2", ControlKind::Label, text::kFirstPageCaption, nullptr, 1440, 1320, 615, 255, true, 6, kTahoma,
     kIdFirstPageCaption},
    {"Label5", ControlKind::Label, text::kFirstPage, nullptr, 2040, 1320, 2775, 255, true, 7, kTahoma, kIdFirstPage},
    {"Label9", ControlKind::Label, text::kSecondPageCaption, nullptr, 1440, 1560, 495, 255, true, 8, kTahoma,
     kIdSecondPageCaption},
    {"Label8", ControlKind::Label, text::kSecondPage, nullptr, 2040, 1560, 3375, 255, true, 9, kTahoma, kIdSecondPage},
    {"lblContact", ControlKind::Label, text::kContactLine, nullptr, 1440, 1860, 4095, 255, true, 10, kTahoma,
     kIdContact},
    {"Picture1", ControlKind::Pane, "", nullptr, 1320, 2400, 3855, 855, true, 11, kTahoma, kIdCredits},
    {"lblCredit1", ControlKind::Label, text::kFirstCredit, "Picture1", 120, 150, 3615, 255, true, 0, kTahoma,
     kIdFirstCredit},
    {"lblCredit2", ControlKind::Label, text::kSecondCredit, "Picture1", 120, 450, 3615, 255, true, 1, kTahoma,
     kIdSecondCredit},
    {"Image1", ControlKind::Picture, "", nullptr, 4560, 360, 480, 480, true, 12, kTahoma, kIdIcon},
    {"Command1", ControlKind::SkinnedButton, text::kOk, nullptr, 2040, 4200, 1455, 375, true, 13, kButtonFont, kIdOk},
};

// lpAppImage, stretched into its place; the separators run across the window.
constexpr RECT kPicturePlace{120, 240, 120 + 1095, 240 + 3000};
constexpr RECT kSeparators[] = {{1320, 2220, 5580, 2220}, {120, 3960, 5580, 3960}};

const struct {
  AboutLink link;
  int id;
} kLinks[] = {{AboutLink::Mail, kIdMail}, {AboutLink::FirstPage, kIdFirstPage}, {AboutLink::SecondPage, kIdSecondPage}};

// The labels and the icon beside the links, over which a pointer move changes
// nothing (the picture too).
constexpr int kPlainControls[] = {kIdAppTitle, kIdVersionSpare, kIdVersionLine, kIdMailCaption,
                                  kIdFirstPageCaption, kIdSecondPageCaption, kIdContact, kIdIcon};

VersionBlink& ProgramBlink() {
  static VersionBlink blink;
  return blink;
}

RECT InPixels(const RECT& twips, int dpi) {
  return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi), TwipsToPixels(twips.right, dpi),
          TwipsToPixels(twips.bottom, dpi)};
}

Rect PlaceInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.top, place.right, place.bottom};
}

void CentreOnScreen(HWND window) {
  RECT outer{};
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

AboutWindow::AboutWindow(std::shared_ptr<LinkOpener> opener, VersionBlink* blink)
    : opener_(opener ? std::move(opener) : std::make_shared<ShellLinkOpener>()),
      blink_(blink ? *blink : ProgramBlink()),
      skin_(kDefaultSkinName) {}

AboutWindow::~AboutWindow() {
  if (Handle()) KillTimer(Handle(), kBlinkTimer);
}

bool AboutWindow::Load(HWND owner) {
  RegisterClassOnce(kClassName);
  MyButtonWindow::Register();
  const SIZE outer = OuterSizeForClientTwips(kClientWidth, kClientHeight, kStyle, kExStyle, false);
  if (!Create(kClassName, text::kCaption, kStyle, kExStyle, 0, 0, outer.cx, outer.cy, owner, nullptr)) return false;
  CreateControls();
  CentreOnScreen(Handle());
  EnableDialogKeys();
  SetTimer(Handle(), kBlinkTimer, kBlinkIntervalMs, nullptr);
  return true;
}

void AboutWindow::CreateControls() {
  host_.Attach(Handle());
  host_.SetAmbientFont(kTahoma);
  // MyButtonDefSkin: the skin of Command1, never shown.
  if (skin_.LoadImageResource(BUTTON_DEFAULT_SKIN_RESOURCE)) skin_.Create(Handle(), 0, 0, false);
  host_.Controls().CreateControls(Handle(), kControls);
  picture_ = LoadPngResource(IDB_ABOUT);
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GREEN_IMG));  // shared
  SendMessageA(GetDlgItem(Handle(), kIdIcon), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  if (auto* ok = dynamic_cast<MyButtonWindow*>(CustomControlOf(GetDlgItem(Handle(), kIdOk)))) {
    // A table loads the caption without scanning it; assigning it takes the access key.
    ok->Core().SetText(text::kOk);
    ok->OnClick([this] { Command1_Click(); });
  }
  PlaceLinks();
}

void AboutWindow::PlaceLinks() {
  std::vector<LinkHighlight::Place> links;
  for (const auto& entry : kLinks) links.push_back({entry.link, PlaceInParent(GetDlgItem(Handle(), entry.id))});
  std::vector<Rect> others;
  for (int id : kPlainControls) others.push_back(PlaceInParent(GetDlgItem(Handle(), id)));
  const RECT picture = InPixels(kPicturePlace, host_.Controls().Dpi());
  others.push_back({picture.left, picture.top, picture.right, picture.bottom});
  highlight_ = LinkHighlight(std::move(links), std::move(others));
}

HWND AboutWindow::LinkLabel(AboutLink link) const {
  for (const auto& entry : kLinks)
    if (entry.link == link) return GetDlgItem(Handle(), entry.id);
  return nullptr;
}

AboutLink AboutWindow::LinkUnderCursor() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(Handle(), &cursor);
  return highlight_.LinkAt(cursor.x, cursor.y);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kBlinkTimer) Timer1_Timer();
      return 0;
    // Labels let the pointer through, so its moves and clicks over them arrive here.
    case WM_MOUSEMOVE:
      OnPointerMove(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = highlight_.LinkAt(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      return 0;
    case WM_LBUTTONUP: {
      const AboutLink released = highlight_.LinkAt(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
      const AboutLink pressed = std::exchange(pressed_, AboutLink::None);
      if (released != AboutLink::None && released == pressed) OnLinkClick(released);
      return 0;
    }
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wparam), LOWORD(lparam))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC:
      return OnLabelColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DESTROY:
      KillTimer(Handle(), kBlinkTimer);
      break;
  }
  return SecondaryWindow::HandleMessage(message, wparam, lparam);
}

void AboutWindow::Paint(HDC dc) {
  const int dpi = host_.Controls().Dpi();
  if (picture_) {
    BITMAP info{};
    GetObjectA(picture_.Get(), sizeof info, &info);
    MemoryDc source(CreateCompatibleDC(dc));
    SelectGuard selected(source.Get(), picture_.Get());
    const RECT place = InPixels(kPicturePlace, dpi);
    // Grown with the dpi, smoothly; at 96 dpi exactly as drawn.
    SetStretchBltMode(dc, dpi == 96 ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, source.Get(), 0, 0,
               info.bmWidth, info.bmHeight, SRCCOPY);
  }
  for (const RECT& separator : kSeparators) {
    RECT line = InPixels(separator, dpi);
    line.bottom = line.top + 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
  }
}

void AboutWindow::Timer1_Timer() { SetWindowTextA(GetDlgItem(Handle(), kIdVersionLine), blink_.Tick().c_str()); }

void AboutWindow::OnPointerMove(int x, int y) {
  if (!highlight_.PointerMovedTo(x, y)) return;
  for (const auto& entry : kLinks) InvalidateRect(GetDlgItem(Handle(), entry.id), nullptr, TRUE);
}

void AboutWindow::OnLinkClick(AboutLink link) { opener_->Open(Handle(), LinkTarget(link)); }

bool AboutWindow::OnSetCursor(HWND under, UINT hit_test) {
  if (under != Handle() || hit_test != HTCLIENT || LinkUnderCursor() == AboutLink::None) return false;
  SetCursor(LoadCursorA(nullptr, IDC_HAND));
  return true;
}

LRESULT AboutWindow::OnLabelColour(HDC dc, HWND label) {
  COLORREF colour = RGB(0, 0, 0);
  const int id = GetDlgCtrlID(label);
  if (id == kIdAppTitle) colour = kNavy;
  for (const auto& entry : kLinks)
    if (entry.id == id) colour = highlight_.ColourOf(entry.link);
  SetTextColor(dc, colour);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void AboutWindow::Command1_Click() { DestroyWindow(Handle()); }

}  // namespace hushwall
