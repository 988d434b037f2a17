#pragma once
// The progress bar's drawing arithmetic, free of any surface: where the bar lies, the
// colours of one fade line, which buffer pieces the face and the bar receive, and
// where the caption goes.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/progress/currency.h"
#include "controls/progress/progress_interfaces.h"

namespace hushwall {

// The bar's length in pixels for a value offset and a range on a face of W x H; 0 for
// an offset of 0. Throws ControlError 11 for a zero range and 6 for a length beyond
// 16 bits.
std::int16_t BarLength(std::int32_t direction, Currency offset, Currency range, std::int32_t width,
                       std::int32_t height);
// The bar's rectangle on the face; nullopt for a direction that leaves it where it is.
std::optional<BarRect> BarPlacement(std::int32_t direction, Currency offset, Currency range,
                                    std::int32_t width, std::int32_t height);

// The colours of one fade line of `length` pixels from c1 to c2 under a blend rule,
// nearest(length) + 1 of them: the last lies one past the line and is never shown.
// Throws ControlError 11 for a length of 0.
std::vector<Rgb> FadeLine(std::int32_t c1, std::int32_t c2, std::int32_t length, std::int32_t blend);

// One copy of the fade stage, before clipping.
struct FadeCopy {
  bool to_face = false;  // else to the bar
  std::int64_t x = 0, y = 0, width = 0, height = 0;
  std::int64_t source_x = 0, source_y = 0;
};
// The face copy first, then the bar copy, for a direction 0 to 3 and bar length n.
std::array<FadeCopy, 2> FadeCopies(std::int32_t direction, std::int32_t fade_style,
                                   std::int32_t width, std::int32_t height, std::int32_t n);

// A copy cut to the part that lies inside both the source and the target image.
struct ClippedCopy {
  BarRect target;
  std::int32_t source_x = 0, source_y = 0;
};
std::optional<ClippedCopy> ClipCopy(const FadeCopy& copy, std::int32_t source_width,
                                    std::int32_t source_height, std::int32_t target_width,
                                    std::int32_t target_height);

// Where the caption prints: on which surfaces and at which text positions.
struct CaptionPlacement {
  bool on_face = false;
  bool on_bar = false;
  float face_x = 0, face_y = 0;
  float bar_x = 0, bar_y = 0;
};
CaptionPlacement PlaceCaption(std::int32_t direction, std::int32_t alignment, std::int32_t width,
                              std::int32_t height, const BarRect& bar, std::int16_t text_width,
                              std::int16_t text_height, std::int32_t inset);

}  // namespace hushwall
