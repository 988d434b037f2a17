// Texts as the user reads them, in the real windows laid out at each usual display
// scale (100 % to 200 %): every font a control asks for is drawn in the face it names,
// not a wider fallback, and every one-line caption fits its control in the control's
// own font.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/button/button_win32.h"
#include "platform/custom_control_win32.h"
#include "platform/font_win32.h"
#include "platform/form_win32.h"
#include "platform/gdi_win32.h"
#include "support/test_desktop_win32.h"
#include "ui/main/main_window_win32.h"
#include "ui/main/program_ports_win32.h"
#include "ui/windows/info_texts.h"
#include "ui/windows/splash_win32.h"

namespace hushwall {
namespace {

class QuietBoxes : public MessageBoxes {  // a box would wait for a user who is not there
  int Show(HWND, const std::string&, const std::string&, UINT) override { return IDOK; }
};

SIZE Measure(HDC dc, const char* text) {
  RECT area{};
  DrawTextA(dc, text, -1, &area, DT_CALCRECT | DT_SINGLELINE);
  return {area.right, area.bottom};
}

constexpr int kDpis[] = {96, 120, 144, 192};

// The width a control's one-line text may take; -1 for other texts.
int RoomFor(HWND control, HDC dc, const char* text, int dpi) {
  char kind[32] = {};
  GetClassNameA(control, kind, sizeof kind);
  RECT client{};
  GetClientRect(control, &client);
  const LONG style = GetWindowLongA(control, GWL_STYLE), type = style & BS_TYPEMASK;
  const bool button = !std::strcmp(kind, "Button"), label = !std::strcmp(kind, "Static");
  if (!*text || std::strchr(text, '\n')) return -1;
  if (auto* skinned = dynamic_cast<MyButtonWindow*>(CustomControlOf(control)))  // inside the skin's corners
    return client.right - MulDiv(2 * skinned->Core().SizeCW() + 3, dpi, 96);
  if (button && type <= BS_DEFPUSHBUTTON) return client.right - 2 * GetSystemMetrics(SM_CXEDGE);
  if (button && type == BS_AUTOCHECKBOX)  // the box, then half a digit of gap
    return client.right - GetSystemMetrics(SM_CXMENUCHECK) - Measure(dc, "0").cx / 2;
  // Labels with room for a second line wrap on purpose; path labels shorten themselves.
  const bool one_line = client.bottom < 2 * Measure(dc, text).cy;
  const bool wraps = (style & SS_TYPEMASK) <= SS_RIGHT && !(style & SS_ELLIPSISMASK);
  return label && wraps && one_line ? client.right : -1;
}

// Do not fit even in the face they ask for (Wine's metric-compatible Tahoma, 96 dots
// per inch): the labels wrap at the blanks before their colons, which fall out of
// sight. Each stays here, with its figures, until its layout changes.
const std::map<std::string, std::string> kKnownOverflows = {
    {"About: Email    :", "43 of 41"}, {"About: URL1     :", "44 of 41"},
    {"About: URL2     :", "44 of 33"}, {std::string("About: ") + about_texts::kVersionLine, "66 of 64"}};

// The windows, opened once as the user opens them, on the real system but for
// message boxes; each control is visited with its font selected into a DC.
class TextFitTest : public ::testing::Test {
 protected:
  struct Program {
    SystemPorts system;
    QuietBoxes boxes;
    ProgramPorts p = system.Ports();
    frmMain main{{p.tray, p.settings, p.lists, boxes, p.process, p.startup, p.desktop, p.sound, p.clock}};
    Splash splash{60000};
  };
  // On a desktop of its own: the windows it opens are the ones other tests look for.
  static void SetUpTestSuite() {
    test::UseOwnDesktop();
    (program_ = new Program)->main.Load();
  }
  static void TearDownTestSuite() { delete program_; }
  using Visitor = std::function<void(const std::string& window, HWND control, HDC dc, HFONT font, int dpi)>;
  // At each dpi, each window is first told that its dpi changed, as Windows does when
  // it moves to another screen.
  static void ForEachControl(const Visitor& visit) {
    for (int dpi : kDpis) ForEachControl(dpi, visit);
  }
  static void ForEachControl(int dpi, const Visitor& visit) {
    frmMain& main = program_->main;
    Splash& splash = program_->splash;
    auto run = [&](MenuCommand command) { return main.RunMenuCommand(command), true; };
    const std::map<std::string, HWND> windows = {
        {"splash", splash.IsOpen() || splash.Show([] {}) ? splash.Handle() : nullptr},
        {"main", main.Handle()},
        {"About", run(MenuCommand::About) ? main.About()->Handle() : nullptr},
        {"quick help", run(MenuCommand::Help) ? main.Help()->Handle() : nullptr},
        {"settings", run(MenuCommand::Setting) ? main.Settings().Settings()->Handle() : nullptr},
        {"export", main.Settings().OpenExport()->Handle()},
        {"import", main.Settings().OpenImport()->Handle()}};
    for (const auto& [name, window] : windows) {
      ASSERT_NE(window, nullptr) << name;
      RECT place{};
      GetWindowRect(window, &place);
      SendMessageA(window, kDpiChangedMessage, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
      std::vector<HWND> controls;
      EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&controls));
      EXPECT_FALSE(controls.empty()) << name;
      for (HWND control : controls) {
        auto* skinned = dynamic_cast<MyButtonWindow*>(CustomControlOf(control));
        Font owned(skinned ? CreateFontFromDescription(skinned->Core().Font(), dpi) : nullptr);
        HFONT font = skinned ? owned.Get() : reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        MemoryDc dc(CreateCompatibleDC(nullptr));
        SelectGuard selected(dc.Get(), font);
        if (font) visit(name, control, dc.Get(), font, dpi);
      }
    }
  }
  static BOOL CALLBACK Collect(HWND control, LPARAM controls) {
    reinterpret_cast<std::vector<HWND>*>(controls)->push_back(control);
    return TRUE;
  }
  static inline Program* program_ = nullptr;
};

// The table's controls, and their fonts, as if the window had been opened at the dpi.
TEST_F(TextFitTest, AWindowToldOfANewDpiLaysItselfOutAgainAtIt) {
  ForEachControl([](const std::string& window, HWND control, HDC, HFONT font, int dpi) {
    Form* form = nullptr;
    for (HWND parent = GetParent(control); parent && !form; parent = GetParent(parent)) form = FormOf(parent);
    const ControlDefinition* declared = form ? form->Definition(control) : nullptr;
    if (!declared) return;
    RECT place{};
    GetWindowRect(control, &place);
    LOGFONTA made{};
    GetObjectA(font, sizeof made, &made);
    EXPECT_EQ(place.right - place.left, TwipsToPixels(declared->width, dpi)) << window << " " << declared->name << " at " << dpi;
    EXPECT_EQ(made.lfHeight, -std::lround(declared->font.size * dpi / 72.0)) << window << " " << declared->name << " at " << dpi;
  });
}

TEST_F(TextFitTest, EveryFontTheWindowsAskForIsDrawnInItsOwnFace) {
  ForEachControl([](const std::string& window, HWND, HDC dc, HFONT font, int dpi) {
    LOGFONTA asked{};
    GetObjectA(font, sizeof asked, &asked);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    EXPECT_STREQ(face, asked.lfFaceName) << window << ", height " << asked.lfHeight << ", weight " << asked.lfWeight
                                         << ", at " << dpi;
  });
}

// Figures at 96 dpi, where a text overflows first; a text that overflows only at a
// higher dpi shows with that dpi.
TEST_F(TextFitTest, EveryOneLineCaptionFitsItsControlInItsOwnFont) {
  std::map<std::string, std::string> overflows;
  std::map<std::string, int> captions;
  ForEachControl([&](const std::string& window, HWND control, HDC dc, HFONT, int dpi) {
    char text[512] = {};
    GetWindowTextA(control, text, sizeof text);
    const int room = RoomFor(control, dc, text, dpi), needed = Measure(dc, text).cx;
    captions[window] += room >= 0;
    if (room >= 0 && needed > room)
      overflows.emplace(window + ": " + text, dpi == 96 ? std::to_string(needed) + " of " + std::to_string(room)
                                                        : "at " + std::to_string(dpi));
    // A path is as long as the folder it lies in: its label must shorten it.
    const bool path = std::strlen(text) > 2 && text[1] == ':' && text[2] == '\\';
    if (path && (GetWindowLongA(control, GWL_STYLE) & SS_ELLIPSISMASK) != SS_PATHELLIPSIS)
      overflows[window + ": a path"] = "not shortened";
  });
  for (const auto& [window, count] : captions) EXPECT_GT(count, 0) << window;
  EXPECT_EQ(overflows, kKnownOverflows) << "texts wider than their controls, in pixels";
}

}  // namespace
}  // namespace hushwall
