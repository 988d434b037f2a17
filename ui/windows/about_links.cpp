#include "ui/windows/about_links.h"

#include "ui/windows/info_texts.h"

namespace hushwall {
namespace {

bool Holds(const Rect& area, int x, int y) {
  return x >= area.left && x < area.right && y >= area.top && y < area.bottom;
}

}  // namespace

AboutLink LinkHighlight::LinkAt(int x, int y) const {
  for (const Place& place : links_)
    if (Holds(place.area, x, y)) return place.link;
  return AboutLink::None;
}

bool LinkHighlight::PointerMovedTo(int x, int y) {
  AboutLink next = LinkAt(x, y);
  if (next == AboutLink::None) {
    for (const Rect& area : other_controls_)
      if (Holds(area, x, y)) return false;
  }
  if (next == highlighted_) return false;
  highlighted_ = next;
  return true;
}

std::string LinkTarget(AboutLink link) {
  switch (link) {
    case AboutLink::Mail: return std::string("mailto:") + about_texts::kMailAddress;
    case AboutLink::FirstPage: return about_texts::kFirstPage;
    case AboutLink::SecondPage: return about_texts::kSecondPage;
    case AboutLink::None: break;
  }
  return {};
}

VersionBlink::VersionBlink() : elements_{about_texts::kVersionLine, ""} {}

const std::string& VersionBlink::Tick() {
  const std::string& text = elements_[index_];
  index_ = (index_ + 1) % 2;
  return text;
}

}  // namespace hushwall
