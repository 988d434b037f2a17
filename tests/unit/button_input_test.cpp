#include <gtest/gtest.h>

#include <functional>

#include "support/button_fixture.h"

namespace hushwall {
namespace {

using testing::Journal;
using Lines = std::vector<std::string>;

constexpr float kInside = 50;
constexpr float kOutside = -10;

// One input and what it must cause, in order: events, paints ("paint N"), capture
// changes and reports.
struct Step {
  const char* input;
  std::function<void(MyButton&)> apply;
  Lines expected;
};

void Enter(MyButton& b) { b.MouseMove(0, 0, kInside, 10); }
void Leave(MyButton& b) { b.MouseMove(0, 0, kOutside, 10); }
void LeftDown(MyButton& b) { b.MouseDown(1, 0, kInside, 10); }
void LeftUpInside(MyButton& b) { b.MouseUp(1, 0, kInside, 10); }
void LeftUpOutside(MyButton& b) { b.MouseUp(1, 0, kOutside, 10); }
void DragOutside(MyButton& b) { b.MouseMove(1, 0, kOutside, 10); }
void DragInside(MyButton& b) { b.MouseMove(1, 0, kInside, 12); }
void SpaceDown(MyButton& b) { b.KeyDown(32, 0); }
void SpaceUp(MyButton& b) { b.KeyUp(32, 0); }
void OtherKeyDown(MyButton& b) { b.KeyDown(65, 0); }
void EnterTyped(MyButton& b) {
  b.KeyDown(13, 0);
  b.KeyPress(13);
  b.KeyUp(13, 0);
}

class InputTest : public testing::ButtonFixture {
 protected:
  InputTest() {
    button.InitProperties();
    window.canvas.on_present = [this] {
      journal.push_back("paint " + std::to_string(button.DrawnState()));
    };
    button.FocusGained();  // the sequences start with the focus on the button
    journal.clear();
  }

  void RunSteps(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      journal.clear();
      step.apply(button);
      EXPECT_EQ(journal, step.expected) << "after: " << step.input;
    }
  }
};

TEST_F(InputTest, TypicalSequences) {
  RunSteps({
      {"pointer enters", Enter, {"MouseMove", "capture", "MouseHover", "paint 3"}},
      {"left button down", LeftDown, {"MouseDown", "MouseMove", "capture", "paint 4"}},
      {"left button up inside", LeftUpInside, {"paint 1", "MouseUp", "Click", "paint 2"}},
      {"pointer moves inside", Enter, {"MouseMove", "capture", "MouseHover", "paint 3"}},
      {"pointer leaves", Leave, {"MouseMove", "capture", "MouseOut", "paint 2", "release"}},
      {"space bar down", SpaceDown, {"KeyDown", "paint 4"}},
      {"space bar up", SpaceUp, {"KeyUp", "paint 1", "Click", "paint 2"}},
      {"Enter typed", EnterTyped, {"KeyDown", "paint 2", "KeyPress", "Click", "KeyUp"}},
  });
}

TEST_F(InputTest, DragOutsideAndBackThenReleaseInside) {
  RunSteps({
      {"press", LeftDown, {"MouseDown", "MouseMove", "capture", "paint 4"}},
      {"drag out", DragOutside, {"MouseMove", "capture", "MouseHover", "paint 3"}},
      {"drag on outside", DragOutside, {"MouseMove", "capture", "MouseHover", "paint 3"}},
      {"drag back in", DragInside, {"MouseMove", "capture", "paint 4"}},
      {"release inside", LeftUpInside, {"paint 1", "MouseUp", "Click", "paint 2"}},
  });
}

TEST_F(InputTest, ReleaseOutsideGivesNoClickAndKeepsTheCaptureUntilTheNextMove) {
  RunSteps({
      {"press", LeftDown, {"MouseDown", "MouseMove", "capture", "paint 4"}},
      {"drag out", DragOutside, {"MouseMove", "capture", "MouseHover", "paint 3"}},
      {"release outside", LeftUpOutside, {"paint 1", "MouseUp", "paint 2"}},
      {"next move", Leave, {"MouseMove", "capture", "MouseOut", "paint 2", "release"}},
  });
  EXPECT_FALSE(window.captured);
}

TEST_F(InputTest, RightButtonHoversButNeverClicks) {
  RunSteps({
      {"right down", [](MyButton& b) { b.MouseDown(2, 0, kInside, 10); },
       {"MouseDown", "MouseMove", "capture", "MouseHover", "paint 3"}},
      {"right up", [](MyButton& b) { b.MouseUp(2, 0, kInside, 10); }, {"paint 1", "MouseUp"}},
      {"next move", Enter, {"MouseMove", "capture", "MouseHover", "paint 3"}},
  });
}

TEST_F(InputTest, KeyboardEdgeCases) {
  RunSteps({
      {"space down", SpaceDown, {"KeyDown", "paint 4"}},
      {"other key", OtherKeyDown, {"KeyDown", "paint 2"}},
      {"space up", SpaceUp, {"KeyUp"}},
      {"space down", SpaceDown, {"KeyDown", "paint 4"}},
      {"auto-repeat", SpaceDown, {"KeyDown", "paint 4"}},
      {"auto-repeat", SpaceDown, {"KeyDown", "paint 4"}},
      {"space up", SpaceUp, {"KeyUp", "paint 1", "Click", "paint 2"}},
      {"Enter repeats", [](MyButton& b) { b.KeyPress(13); b.KeyPress(13); },
       {"KeyPress", "Click", "KeyPress", "Click"}},
      {"other character", [](MyButton& b) { b.KeyPress(65); }, {"KeyPress"}},
      {"space down", SpaceDown, {"KeyDown", "paint 4"}},
      {"click inside while held", [](MyButton& b) { LeftDown(b), LeftUpInside(b); }, {"MouseDown", "paint 1", "MouseUp", "Click", "paint 2"}},
      {"space up after that one click", SpaceUp, {"KeyUp"}},
  });
}

TEST_F(InputTest, SpaceHeldBlocksTheMouseEvenAfterTheFocusMoves) {
  RunSteps({
      {"space down", SpaceDown, {"KeyDown", "paint 4"}},
      {"move while held", Enter, {}},
      {"focus lost", [](MyButton& b) { b.FocusLost(); }, {"paint 1"}},
      {"move after focus loss", Enter, {}},
  });
  EXPECT_TRUE(button.SpacePressed());
  button.FocusGained();
  RunSteps({{"another key on the button", OtherKeyDown, {"KeyDown", "paint 2"}},
            {"move", Enter, {"MouseMove", "capture", "MouseHover", "paint 3"}}});
}

TEST_F(InputTest, DoubleClickInsideClicksTwice) {
  RunSteps({
      {"down", LeftDown, {"MouseDown", "MouseMove", "capture", "paint 4"}},
      {"up", LeftUpInside, {"paint 1", "MouseUp", "Click", "paint 2"}},
      {"double click", [](MyButton& b) { b.DoubleClick(); }, {"paint 4"}},
      {"up", LeftUpInside, {"paint 1", "MouseUp", "Click", "paint 2"}},
  });
  EXPECT_FALSE(button.LeftPressed());
}

TEST_F(InputTest, DisableHoverRaisesMouseHoverOnEveryMoveAndKeepsThePressedLook) {
  button.SetDisableHover(true);
  RunSteps({
      {"enter", Enter, {"MouseMove", "capture", "MouseHover"}},
      {"move", Enter, {"MouseMove", "capture", "MouseHover"}},
      {"press", LeftDown, {"MouseDown", "MouseMove", "capture", "paint 4"}},
      {"drag out", DragOutside, {"MouseMove", "capture", "MouseHover"}},
  });
  EXPECT_EQ(button.DrawnState(), kPressed);
}

TEST_F(InputTest, HitTestBoundsAreInclusive) {
  EXPECT_TRUE(button.HitTest(0, 0));
  EXPECT_TRUE(button.HitTest(100, 30));  // one past the last column and row
  EXPECT_FALSE(button.HitTest(100.5f, 10));
  EXPECT_FALSE(button.HitTest(-0.5f, 10));
  EXPECT_FALSE(button.HitTest(10, 31));
}

TEST_F(InputTest, HandlersChangeTheArgumentsTheButtonGoesOnWith) {
  host.on_mouse_down = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 2; };
  host.on_key_down = [](std::int16_t& key_code) { key_code = 0; };
  RunSteps({
      {"left down turned right", LeftDown, {"MouseDown", "MouseMove", "capture", "MouseHover", "paint 3"}},
      {"space swallowed", SpaceDown, {"KeyDown", "paint 2"}},
  });
  EXPECT_FALSE(button.LeftPressed());
  EXPECT_FALSE(button.SpacePressed());
}

TEST_F(InputTest, FocusPaintsOnlyWhenNoLeftPressIsInProgress) {
  button.FocusLost();
  LeftDown(button);
  journal.clear();
  button.FocusGained();
  EXPECT_TRUE(journal.empty());
  EXPECT_TRUE(button.HasFocus());
  EXPECT_EQ(button.DrawnState(), kPressed);
}

TEST_F(InputTest, StateAfterClickIsFocusedWhateverTheHandlerDid) {
  host.on_click = [this] { button.SetEnabled(false); };
  LeftDown(button);
  journal.clear();
  LeftUpInside(button);
  EXPECT_EQ(journal, (Lines{"paint 1", "MouseUp", "Click", "paint 5", "report Enabled", "paint 2"}));
}

TEST_F(InputTest, RefreshRepaintsTheLastStateOrDisabled) {
  EXPECT_EQ(button.DrawnState(), kFocused);
  journal.clear();
  button.Refresh();
  window.enabled = false;
  button.Refresh();
  EXPECT_EQ(journal, (Lines{"paint 2", "paint 5"}));
}

TEST(InputLifetimeTest, HandlerMayDestroyTheButton) {
  Journal journal;
  testing::RecordingHost host{journal};
  testing::FakeWindow window{journal, 100, 30};
  auto button = std::make_unique<MyButton>(host, window);
  host.on_click = [&] { button.reset(); };
  MyButton* raw = button.get();
  raw->MouseDown(1, 0, kInside, 10);
  raw->MouseUp(1, 0, kInside, 10);  // the Click handler destroys it midway
  EXPECT_EQ(button, nullptr);
  EXPECT_EQ(journal.back(), "Click");
}

}  // namespace
}  // namespace hushwall
