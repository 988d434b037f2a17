// Our controls as a screen reader sees and hears them, also after their window is gone.
#include <gtest/gtest.h>
#include <ole2.h>
#include <oleacc.h>

#include "controls/button/button_win32.h"
#include "controls/progress/progress_window_win32.h"
#include "support/button_host_window.h"
#include "support/message_pump.h"

namespace hushwall {
namespace {

constexpr LONG kCanFocus = STATE_SYSTEM_FOCUSABLE, kHasFocus = STATE_SYSTEM_FOCUSED, kDown = STATE_SYSTEM_PRESSED,
               kOff = STATE_SYSTEM_UNAVAILABLE, kHidden = STATE_SYSTEM_INVISIBLE;
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
const VARIANT kSelf = [] { VARIANT self{}; self.vt = VT_I4; return self; }();
std::vector<DWORD> g_events;
HWND g_watched = nullptr;

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
  if (window == g_watched && object == OBJID_CLIENT) g_events.push_back(event);
}

using Reader = std::unique_ptr<IAccessible, void (*)(IAccessible*)>;
Reader ReaderOf(HWND window) {
  IAccessible* object = nullptr;
  AccessibleObjectFromWindow(window, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&object));
  return Reader(object, [](IAccessible* o) { if (o) o->Release(); });
}

std::string Text(IAccessible& reader, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
  BSTR text = nullptr;
  (reader.*get)(kSelf, &text);
  std::string narrow;
  for (UINT i = 0; text && i < SysStringLen(text); ++i) narrow += char(text[i]);
  SysFreeString(text);
  return narrow;
}

// -1 for a failed call.
LONG Number(IAccessible& reader, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
  VARIANT value{};
  return SUCCEEDED((reader.*get)(kSelf, &value)) ? value.lVal : -1;
}

class AccessibleTest : public ::testing::Test {
 protected:
  struct Step { const char* action; std::function<void()> run; LONG states; std::vector<DWORD> events; };

  void SetUp() override {
    CoInitialize(nullptr);
    hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, Record,
                            GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
  }
  void TearDown() override {
    UnhookWinEvent(hook_);
    CoUninitialize();
  }

  // Runs each step on the control and compares what a reader then sees and hears.
  void Walk(HWND control, IAccessible& reader, const std::vector<Step>& steps) {
    g_watched = control;
    test::DispatchWaitingMessages();  // what came before the first step
    for (const Step& step : steps) {
      g_events.clear();
      step.run();
      test::DispatchWaitingMessages();
      EXPECT_EQ(Number(reader, &IAccessible::get_accState), step.states) << step.action;
      EXPECT_EQ(g_events, step.events) << step.action;
    }
  }

  testing::ButtonHostWindow host_window_{true};
  HWINEVENTHOOK hook_ = nullptr;
};

TEST_F(AccessibleTest, ButtonReadsPressesAndTellsItsChanges) {
  ASSERT_NE(host_window_.AddSkin(), nullptr);
  auto button = std::make_unique<MyButtonWindow>(host_window_.Host(), "cmdOk");
  ASSERT_TRUE(button->Create(20, 20, 100, 30));
  int clicks = 0;
  button->OnClick([&] { ++clicks; });
  button->Core().SetText("&Ok");
  const HWND window = button->Handle();
  Reader reader = ReaderOf(window);
  ASSERT_TRUE(reader);
  EXPECT_EQ(Number(*reader, &IAccessible::get_accRole), ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(Text(*reader, &IAccessible::get_accKeyboardShortcut), "Alt+O");
  EXPECT_EQ(Text(*reader, &IAccessible::get_accDefaultAction), "Press");
  RECT on_screen{}, read{};
  GetWindowRect(window, &on_screen);
  reader->accLocation(&read.left, &read.top, &read.right, &read.bottom, kSelf);  // width, height
  EXPECT_TRUE(SetRect(&read, read.left, read.top, read.left + read.right, read.top + read.bottom) &&
              EqualRect(&read, &on_screen));

  const auto send = [&](UINT message, WPARAM key) { SendMessageA(window, message, key, 0); };
  Walk(window, *reader, {
      {"made", [] {}, kCanFocus, {}},
      {"focus gained", [&] { send(WM_SETFOCUS, 0); }, kCanFocus | kHasFocus, {EVENT_OBJECT_FOCUS}},
      {"space down", [&] { send(WM_KEYDOWN, VK_SPACE); }, kCanFocus | kHasFocus | kDown, {EVENT_OBJECT_STATECHANGE}},
      {"space up", [&] { send(WM_KEYUP, VK_SPACE); }, kCanFocus | kHasFocus, {EVENT_OBJECT_STATECHANGE}},
      {"default action", [&] { EXPECT_EQ(reader->accDoDefaultAction(kSelf), S_OK); }, kCanFocus | kHasFocus, {}},
      {"caption", [&] { button->Core().SetText("Sa&ve && quit"); }, kCanFocus | kHasFocus, {EVENT_OBJECT_NAMECHANGE}},
      {"focus lost", [&] { send(WM_KILLFOCUS, 0); }, kCanFocus, {}},
      {"disabled", [&] { button->Core().SetEnabled(false); }, kOff, {EVENT_OBJECT_STATECHANGE}},
      {"hidden", [&] { ShowWindow(window, SW_HIDE); }, kOff | kHidden, {EVENT_OBJECT_STATECHANGE}},
  });
  EXPECT_EQ(clicks, 2) << "one Click for the space bar, one for the default action";
  EXPECT_EQ(Text(*reader, &IAccessible::get_accName), "Save & quit");
  EXPECT_EQ(reader->accDoDefaultAction(kSelf), E_FAIL) << "disabled";
  test::DispatchWaitingMessages();
  EXPECT_EQ(clicks, 2) << "no Click when disabled";

  button.reset();  // the reader still holds the object
  VARIANT role{};
  EXPECT_EQ(reader->get_accRole(kSelf, &role), CO_E_OBJNOTCONNECTED);
}

TEST_F(AccessibleTest, ProgressBarReadsItsCaptionAsValue) {
  auto bar = std::make_unique<MProgressWindow>(host_window_.Host(), "prgCopy");
  ASSERT_TRUE(bar->Create(20, 60, 200, 30));
  bar->Core().SetMax(Currency::FromUnits(100));
  Reader reader = ReaderOf(bar->Handle());
  ASSERT_TRUE(reader);
  EXPECT_EQ(Number(*reader, &IAccessible::get_accRole), ROLE_SYSTEM_PROGRESSBAR);
  EXPECT_EQ(reader->accDoDefaultAction(kSelf), DISP_E_MEMBERNOTFOUND);
  Walk(bar->Handle(), *reader, {
      {"value", [&] { bar->Core().SetValue(Currency::FromUnits(42)); }, 0, {EVENT_OBJECT_VALUECHANGE}},
      {"named", [&] { bar->SetReaderName("Copying"); }, 0, {EVENT_OBJECT_NAMECHANGE}},
      {"disabled", [&] { EnableWindow(bar->Handle(), FALSE); }, kOff, {EVENT_OBJECT_STATECHANGE}},
  });
  EXPECT_EQ(Text(*reader, &IAccessible::get_accValue), " 42 %");
  EXPECT_EQ(Text(*reader, &IAccessible::get_accName), "Copying");
  bar.reset();
  EXPECT_EQ(Number(*reader, &IAccessible::get_accState), -1);
}

}  // namespace
}  // namespace hushwall
