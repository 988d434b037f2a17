#pragma once
// The block animation of the notification-area icon: eight frames, one per tick of
// tmrAnimate, started by a logged block.
namespace hushwall {

class StatusAnimation {
 public:
  static constexpr int kFrameCount = 8;

  struct Step {
    int frame_shown;  // imgMoon index to show now
    bool finished;    // the timer stops and the record falls back to green_img
  };

  // A logged block. True when the timer must be started; a block during a running
  // animation leaves it going from its current frame.
  bool Start();
  Step Tick();
  // Ends a running animation; the next one starts from the first frame.
  void Stop();

  bool Running() const { return running_; }
  float AnimFrame() const { return anim_frame_; }

 private:
  // A whole number from 0 to 7, kept as a single-precision value like the frame
  // counter it mirrors.
  float anim_frame_ = 0;
  bool running_ = false;
};

}  // namespace hushwall
