#pragma once
// The About window's behaviour apart from the window: which link the pointer
// highlights, what a click on a link opens, and the blinking version line.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/rect.h"

namespace hushwall {

enum class AboutLink { None, Mail, FirstPage, SecondPage };

// Link colours as RGB values (red in the low byte).
inline constexpr std::uint32_t kLinkColour = 0x000000;             // black
inline constexpr std::uint32_t kHighlightedLinkColour = 0x800000;  // navy

// Follows pointer moves over the window's client area. A link under the pointer is
// highlighted alone; the bare background clears the highlight; any other control the
// window sees moves over (a plain label) leaves it as it was.
class LinkHighlight {
 public:
  struct Place {
    AboutLink link;
    Rect area;
  };

  LinkHighlight() = default;
  LinkHighlight(std::vector<Place> links, std::vector<Rect> other_controls)
      : links_(std::move(links)), other_controls_(std::move(other_controls)) {}

  // The link whose label holds the point; None elsewhere.
  AboutLink LinkAt(int x, int y) const;
  // Returns whether the highlight changed.
  bool PointerMovedTo(int x, int y);
  AboutLink Highlighted() const { return highlighted_; }
  std::uint32_t ColourOf(AboutLink link) const {
    return link != AboutLink::None && link == highlighted_ ? kHighlightedLinkColour : kLinkColour;
  }

 private:
  std::vector<Place> links_;
  std::vector<Rect> other_controls_;
  AboutLink highlighted_ = AboutLink::None;
};

// What a click on a link hands to the desktop: a page's address as it is, the mail
// address behind "mailto:"; empty for None.
std::string LinkTarget(AboutLink link);

// The version line shows the elements in turn, one per tick: the version text, then
// nothing. The index outlives a window, so a reopened window goes on where the last
// one stopped.
class VersionBlink {
 public:
  VersionBlink();
  // The text the version line takes now; moves on to the other element.
  const std::string& Tick();
  int Index() const { return index_; }

 private:
  std::array<std::string, 2> elements_;
  int index_ = 0;
};

}  // namespace hushwall
