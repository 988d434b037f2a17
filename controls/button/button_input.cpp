// The input state machine of the skinned button: focus, mouse and keyboard become
// painted states and events. Every event may run host code that changes the button
// or destroys it; after each one the handling checks that the button still exists.
#include "controls/button/my_button.h"

namespace hushwall {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kSpaceKey = 32;
constexpr std::int16_t kEnterCharacter = 13;

}  // namespace

bool MyButton::HitTest(float x, float y) const {
  ButtonCanvas& canvas = window_.Canvas();
  return x >= 0 && x <= canvas.ScaleWidth() && y >= 0 && y <= canvas.ScaleHeight();
}

void MyButton::FocusGained() {
  has_focus_ = true;
  if (!left_pressed_) PaintState(kFocused);
}

void MyButton::FocusLost() {
  has_focus_ = false;
  PaintState(kNormal);
}

void MyButton::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  const std::weak_ptr<int> alive = LifeToken();
  host_.MouseDown(button, shift, x, y);
  if (alive.expired()) return;
  if (button == kLeftButton) left_pressed_ = true;
  MouseMove(button, shift, x, y);
}

void MyButton::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  if (space_pressed_) return;
  const std::weak_ptr<int> alive = LifeToken();
  host_.MouseMove(button, shift, x, y);
  if (alive.expired()) return;
  window_.Capture();
  const bool inside = HitTest(x, y);
  if (inside && left_pressed_) {
    if (drawn_state_ != kPressed) PaintState(kPressed);
  } else if (inside) {
    if (drawn_state_ != kHover) {
      host_.MouseHover();
      if (alive.expired()) return;
      PaintState(kHover);
    }
  } else if (left_pressed_) {
    // Dragged off while pressed: the hover look says "release here does nothing".
    host_.MouseHover();
    if (alive.expired()) return;
    PaintState(kHover);
  } else {
    host_.MouseOut();
    if (alive.expired()) return;
    PaintState(has_focus_ ? kFocused : kNormal);
    window_.ReleaseCapture();
  }
}

void MyButton::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  const std::weak_ptr<int> alive = LifeToken();
  left_pressed_ = false;
  PaintState(kNormal);
  host_.MouseUp(button, shift, x, y);
  if (alive.expired()) return;
  if (button != kLeftButton) return;
  if (HitTest(x, y)) {
    host_.Click();
    if (alive.expired()) return;
  }
  PaintState(kFocused);
}

void MyButton::DoubleClick() { PaintState(kPressed); }

void MyButton::Press() {
  if (!Enabled()) return;
  const std::weak_ptr<int> alive = LifeToken();
  PaintState(kPressed);
  PaintState(kNormal);
  host_.Click();
  if (alive.expired()) return;
  // The focus stays where it was, and so does its look.
  PaintState(has_focus_ ? kFocused : kNormal);
}

void MyButton::KeyDown(std::int16_t key_code, std::int16_t shift) {
  const std::weak_ptr<int> alive = LifeToken();
  host_.KeyDown(key_code, shift);
  if (alive.expired()) return;
  space_pressed_ = key_code == kSpaceKey;
  PaintState(space_pressed_ ? kPressed : kFocused);
}

void MyButton::KeyPress(std::int16_t key_ascii) {
  const std::weak_ptr<int> alive = LifeToken();
  host_.KeyPress(key_ascii);
  if (alive.expired()) return;
  if (key_ascii == kEnterCharacter) host_.Click();
}

void MyButton::KeyUp(std::int16_t key_code, std::int16_t shift) {
  const std::weak_ptr<int> alive = LifeToken();
  host_.KeyUp(key_code, shift);
  if (alive.expired()) return;
  if (key_code != kSpaceKey || !space_pressed_ || drawn_state_ != kPressed) return;
  space_pressed_ = false;
  PaintState(kNormal);
  host_.Click();
  if (alive.expired()) return;
  PaintState(kFocused);
}

}  // namespace hushwall
