#pragma once
// One skinned button amid recording fakes, 100 x 30, with the default skin on its
// host: what the button's unit tests start from.
#include <gtest/gtest.h>

#include <memory>

#include "controls/button/my_button.h"
#include "support/button_fakes.h"

namespace hushwall::testing {

class ButtonFixture : public ::testing::Test {
 protected:
  ButtonFixture() { host.controls[kDefaultSkinName] = skin; }

  Journal journal;
  RecordingHost host{journal};
  FakeWindow window{journal, 100, 30};
  std::shared_ptr<FakeSkin> skin = std::make_shared<FakeSkin>(kDefaultSkinName, 150, 21);
  MyButton button{host, window};
};

}  // namespace hushwall::testing
