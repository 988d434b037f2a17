#include "ui/main/status_animation.h"

#include <cmath>

namespace hushwall {

bool StatusAnimation::Start() {
  if (running_) return false;
  running_ = true;
  return true;
}

StatusAnimation::Step StatusAnimation::Tick() {
  Step step{static_cast<int>(std::lround(anim_frame_)), false};
  if (anim_frame_ == kFrameCount - 1) {
    step.finished = true;
    running_ = false;
    anim_frame_ = 0;
  } else {
    anim_frame_ += 1;
  }
  return step;
}

void StatusAnimation::Stop() {
  running_ = false;
  anim_frame_ = 0;
}

}  // namespace hushwall
