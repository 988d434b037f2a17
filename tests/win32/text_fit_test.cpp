// Texts as the user reads them, in the real windows: every font a control asks for
// is drawn in the face it names, not a wider fallback, and every one-line caption
// fits its control in the control's own font.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/button/button_win32.h"
#include "platform/custom_control_win32.h"
#include "platform/font_win32.h"
#include "platform/gdi_win32.h"
#include "ui/main/main_window_win32.h"
#include "ui/main/program_ports_win32.h"
#include "ui/windows/splash_win32.h"

namespace hushwall {
namespace {

class QuietBoxes : public MessageBoxes {  // a box would wait for a user who is not there
 public:
  int Show(HWND, const std::string&, const std::string&, UINT) override { return IDOK; }
};

SIZE Measure(HFONT font, const char* text) {
  MemoryDc dc(CreateCompatibleDC(nullptr));
  SelectGuard selected(dc.Get(), font);
  RECT area{};
  DrawTextA(dc.Get(), text, -1, &area, DT_CALCRECT | DT_SINGLELINE);
  return {area.right, area.bottom};
}

// The width a control's text may take; -1 when it is no one-line caption.
int RoomFor(HWND control, const char* kind, HFONT font, const char* text) {
  RECT client{};
  GetClientRect(control, &client);
  const LONG style = GetWindowLongA(control, GWL_STYLE), type = style & BS_TYPEMASK;
  if (!*text || std::strchr(text, '\n')) return -1;
  if (!std::strcmp(kind, "MyButton"))  // inside the skin's corners, the right side 3 pixels further in
    return client.right - 2 * dynamic_cast<MyButtonWindow*>(CustomControlOf(control))->Core().SizeCW() - 3;
  if (!std::strcmp(kind, "Button") && type <= BS_DEFPUSHBUTTON)
    return client.right - 2 * GetSystemMetrics(SM_CXEDGE);
  if (!std::strcmp(kind, "Button") && type == BS_AUTOCHECKBOX)  // the box, then half a digit of gap
    return client.right - GetSystemMetrics(SM_CXMENUCHECK) - Measure(font, "0").cx / 2;
  // Labels with room for a second line wrap on purpose; path labels shorten themselves.
  if (!std::strcmp(kind, "Static") && (style & SS_TYPEMASK) <= SS_RIGHT && !(style & SS_ELLIPSISMASK) &&
      client.bottom < 2 * Measure(font, text).cy)
    return client.right;
  return -1;
}

struct Walk {
  explicit Walk(HWND window) { EnumChildWindows(window, Visit, reinterpret_cast<LPARAM>(this)); }
  static BOOL CALLBACK Visit(HWND control, LPARAM walk) {
    auto& self = *reinterpret_cast<Walk*>(walk);
    auto* skinned = dynamic_cast<MyButtonWindow*>(CustomControlOf(control));
    if (skinned) self.owned.emplace_back(CreateFontFromDescription(skinned->Core().Font()));
    HFONT font = skinned ? self.owned.back().Get()
                         : reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (font) self.fonts.push_back({control, font});
    return TRUE;
  }
  std::vector<std::pair<HWND, HFONT>> fonts;
  std::vector<Font> owned;
};

// Do not fit even in the face they ask for (Wine's metric-compatible Tahoma, 96 dots
// per inch): the labels wrap at the blanks before their colons, which fall out of
// sight. Each stays here, with its figures, until its layout changes.
const std::map<std::string, std::string> kKnownOverflows = {
    {"About: Email    :", "43 of 41"}, {"About: URL1     :", "44 of 41"},
    {"About: URL2     :", "44 of 33"}, {"About: Version 1.0.0", "66 of 64"}};

// Opened once for every test, as the user opens them, on the real system but for
// message boxes.
class TextFitTest : public ::testing::Test {
 protected:
  struct Program {
    SystemPorts system;
    QuietBoxes boxes;
    ProgramPorts p = system.Ports();
    frmMain main{{p.tray, p.settings, p.lists, boxes, p.process, p.startup, p.desktop, p.sound, p.clock}};
    Splash splash{60000};
    void Run(MenuCommand command) { main.RunMenuCommand(command); }
  };
  static void SetUpTestSuite() { (program_ = new Program)->main.Load(); }
  static void TearDownTestSuite() { delete program_; }
  static std::map<std::string, std::function<HWND()>> Windows() {
    Program& p = *program_;
    return {{"splash", [&] { return p.splash.IsOpen() || p.splash.Show([] {}) ? p.splash.Handle() : nullptr; }},
            {"main", [&] { return p.main.Handle(); }},
            {"About", [&] { return p.Run(MenuCommand::About), p.main.About()->Handle(); }},
            {"quick help", [&] { return p.Run(MenuCommand::Help), p.main.Help()->Handle(); }},
            {"settings", [&] { return p.Run(MenuCommand::Setting), p.main.Settings().Settings()->Handle(); }},
            {"export", [&] { return p.main.Settings().OpenExport()->Handle(); }},
            {"import", [&] { return p.main.Settings().OpenImport()->Handle(); }}};
  }
  static inline Program* program_ = nullptr;
};

TEST_F(TextFitTest, EveryFontTheWindowsAskForIsDrawnInItsOwnFace) {
  for (const auto& [name, open] : Windows()) {
    const HWND window = open();
    ASSERT_NE(window, nullptr) << name;
    const Walk walk(window);
    EXPECT_FALSE(walk.fonts.empty()) << name;
    for (const auto& [control, font] : walk.fonts) {
      LOGFONTA asked{};
      GetObjectA(font, sizeof asked, &asked);
      MemoryDc dc(CreateCompatibleDC(nullptr));
      SelectGuard selected(dc.Get(), font);
      char face[LF_FACESIZE] = {};
      GetTextFaceA(dc.Get(), sizeof face, face);
      EXPECT_STREQ(face, asked.lfFaceName) << name << ", height " << asked.lfHeight << ", weight " << asked.lfWeight;
    }
  }
}

TEST_F(TextFitTest, EveryOneLineCaptionFitsItsControlInItsOwnFont) {
  std::map<std::string, std::string> overflows;
  for (const auto& [name, open] : Windows()) {
    const HWND window = open();
    ASSERT_NE(window, nullptr) << name;
    int captions = 0;
    for (const auto& [control, font] : Walk(window).fonts) {
      char text[512] = {}, kind[32] = {};
      GetWindowTextA(control, text, sizeof text);
      GetClassNameA(control, kind, sizeof kind);
      const int room = RoomFor(control, kind, font, text), needed = Measure(font, text).cx;
      captions += room >= 0;
      if (room >= 0 && needed > room)
        overflows[name + ": " + text] = std::to_string(needed) + " of " + std::to_string(room);
    }
    EXPECT_GT(captions, 0) << name;
  }
  EXPECT_EQ(overflows, kKnownOverflows) << "texts wider than their controls, in pixels";
}

}  // namespace
}  // namespace hushwall
