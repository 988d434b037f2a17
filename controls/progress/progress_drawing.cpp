#include "controls/progress/progress_drawing.h"

#include <algorithm>
#include <cmath>

#include "platform/control_error.h"
#include "platform/numeric.h"

namespace hushwall {
namespace {

constexpr const char* kSource = "MProgress";

std::int32_t Narrow(std::int64_t value) { return ToInt32(value, kSource); }

// One colour component as the fade computes it: single precision throughout.
struct Components {
  float blue, green, red;
};

Components Split(std::int32_t colour) {
  // Integer division truncating toward zero, as the colour arithmetic always did.
  return {float(colour / 65536), float((colour & 0xFFFF) / 256), float(colour & 0xFF)};
}

int Channel(float value) {
  return std::clamp(int(std::nearbyint(value)), 0, 255);
}

float Blend(std::int32_t rule, float c, float step, float start, float end) {
  const float advanced = c + step;
  switch (rule) {
    case 0: return advanced;
    case 1: return float(0.25 * c + 0.75 * advanced);
    case 2: return c / 2 + advanced / 2;
    case 3: return float(0.75 * c + 0.25 * advanced);
    case 4: return float(advanced + std::cos(double(start)) + std::sin(double(end)));
    case 5: return float(advanced + std::cos(double(start)) - std::sin(double(end)));
    case 6: return float(advanced - std::cos(double(start)) + std::sin(double(end)));
    default: return c;
  }
}

float Clamp(float c) {
  if (!(c >= 0)) c = 0;  // also catches a value that is not a number
  if (c > 255) c = 255;
  return c;
}

}  // namespace

std::int16_t BarLength(std::int32_t direction, Currency offset, Currency range, std::int32_t width,
                       std::int32_t height) {
  if (offset.Scaled() == 0) return 0;
  if (range.Scaled() == 0) throw ControlError(error_number::kDivisionByZero, kSource);
  const bool adds_hidden_line = direction == 0 || direction == 3;
  const bool horizontal = direction == 0 || direction == 2;
  const double extent = double(horizontal ? width : height) + (adds_hidden_line ? 1.0 : 0.0);
  return RoundToInt16(offset.ToDouble() * extent / range.ToDouble(), kSource);
}

std::optional<BarRect> BarPlacement(std::int32_t direction, Currency offset, Currency range,
                                    std::int32_t width, std::int32_t height) {
  if (direction < 0 || direction > 3) return std::nullopt;
  const std::int32_t n = BarLength(direction, offset, range, width, height);
  switch (direction) {
    case 0: return BarRect{-1, 0, n, height};
    case 1: return BarRect{0, Narrow(std::int64_t(height) - n), width, n};
    case 2: return BarRect{Narrow(std::int64_t(width) - n), 0, n, height};
    default: return BarRect{0, -1, width, n};
  }
}

std::vector<Rgb> FadeLine(std::int32_t c1, std::int32_t c2, std::int32_t length, std::int32_t blend) {
  // Checked here: a float division by zero would go on with infinities.
  if (length == 0) throw ControlError(error_number::kDivisionByZero, kSource);
  const Components start = Split(c1);
  const Components end = Split(c2);
  const float l = float(length);
  const Components step = {(end.blue - start.blue) / l, (end.green - start.green) / l,
                           (end.red - start.red) / l};
  Components c = start;
  const std::int32_t last = RoundToInt32(l, kSource);
  std::vector<Rgb> line;
  line.reserve(std::size_t(std::max(last, 0)) + 1);
  for (std::int32_t i = 0; i <= last; ++i) {
    line.push_back(Rgb(Channel(c.red)) | Rgb(Channel(c.green)) << 8 | Rgb(Channel(c.blue)) << 16);
    c.blue = Clamp(Blend(blend, c.blue, step.blue, start.blue, end.blue));
    c.green = Clamp(Blend(blend, c.green, step.green, start.green, end.green));
    c.red = Clamp(Blend(blend, c.red, step.red, start.red, end.red));
  }
  return line;
}

std::array<FadeCopy, 2> FadeCopies(std::int32_t direction, std::int32_t fade_style,
                                   std::int32_t width, std::int32_t height, std::int32_t n) {
  const std::int64_t w = width, h = height;
  const bool anchored = fade_style == 1;
  switch (direction) {
    case 0: {
      const std::int64_t e = std::int64_t(n) - 1;
      return {FadeCopy{true, e, 0, w - e, h, anchored ? 0 : e, 0},
              FadeCopy{false, 1, 0, std::int64_t(n) - 1, h, anchored ? w - n + 1 : 0, 0}};
    }
    case 1: {
      const std::int64_t t = h - n;
      return {FadeCopy{true, 0, 0, w, t, 0, anchored ? h - t : 0},
              FadeCopy{false, 0, 0, w, n, 0, anchored ? 0 : t}};
    }
    case 2: {
      const std::int64_t m = w - n;
      return {FadeCopy{true, 0, 0, m, h, anchored ? w - m : 0, 0},
              FadeCopy{false, 0, 0, n, h, anchored ? 0 : m, 0}};
    }
    default: {
      const std::int64_t e = std::int64_t(n) - 1;
      return {FadeCopy{true, 0, e, w, h - e, 0, anchored ? 0 : e},
              FadeCopy{false, 0, 1, w, std::int64_t(n) - 1, 0, anchored ? h - n + 1 : 0}};
    }
  }
}

std::optional<ClippedCopy> ClipCopy(const FadeCopy& copy, std::int32_t source_width,
                                    std::int32_t source_height, std::int32_t target_width,
                                    std::int32_t target_height) {
  // Cut one axis: the target span [x, x + w) and the source span from sx, both inside
  // their images.
  auto clip = [](std::int64_t& x, std::int64_t& sx, std::int64_t& w, std::int64_t target_extent,
                 std::int64_t source_extent) {
    const std::int64_t skip = std::max({std::int64_t(0), -x, -sx});
    x += skip;
    sx += skip;
    w -= skip;
    w = std::min({w, target_extent - x, source_extent - sx});
    return w > 0;
  };
  std::int64_t x = copy.x, y = copy.y, w = copy.width, h = copy.height;
  std::int64_t sx = copy.source_x, sy = copy.source_y;
  if (w <= 0 || h <= 0) return std::nullopt;
  if (!clip(x, sx, w, target_width, source_width)) return std::nullopt;
  if (!clip(y, sy, h, target_height, source_height)) return std::nullopt;
  return ClippedCopy{{std::int32_t(x), std::int32_t(y), std::int32_t(w), std::int32_t(h)},
                     std::int32_t(sx), std::int32_t(sy)};
}

CaptionPlacement PlaceCaption(std::int32_t direction, std::int32_t alignment, std::int32_t width,
                              std::int32_t height, const BarRect& bar, std::int16_t text_width,
                              std::int16_t text_height, std::int32_t inset) {
  CaptionPlacement place;
  const bool horizontal = direction == 0 || direction == 2;
  if (!horizontal && direction != 1 && direction != 3) return place;
  // Work along one axis; the across axis centres the text on the face.
  const double extent = horizontal ? width : height;
  const double across = horizontal ? height : width;
  const double text_along = horizontal ? text_width : text_height;
  const double text_across = horizontal ? text_height : text_width;
  const double bar_start = horizontal ? bar.left : bar.top;
  const double bar_length = horizontal ? bar.width : bar.height;
  const double bar_across_start = horizontal ? bar.top : bar.left;
  const bool grows_forward = direction == 0 || direction == 3;
  const double i = inset;

  const double face_across = (across - text_across) / 2 + i;
  const double bar_across = face_across - bar_across_start;
  double face_along = 0;
  double bar_along = 0;
  switch (alignment) {
    case 1:
      place.on_face = true;
      face_along = grows_forward ? bar_length + i : bar_start - text_along + i;
      break;
    case 2:
      place.on_bar = true;
      bar_along = grows_forward ? bar_length - text_along + i : i;
      break;
    case 3:
      place.on_face = true;
      face_along = grows_forward ? (extent - bar_length - text_along) / 2 + bar_length + i
                                 : (bar_start - text_along) / 2 + i;
      break;
    case 4:
      place.on_bar = true;
      bar_along = (bar_length - text_along) / 2 + i;
      break;
    default:
      place.on_face = place.on_bar = true;
      if (alignment == 5) {
        face_along = i;
      } else if (alignment == 6) {
        face_along = extent - text_along + i;
      } else {
        face_along = (extent - text_along) / 2 + i;
      }
      bar_along = face_along - bar_start;
      break;
  }
  if (horizontal) {
    place.face_x = float(face_along);
    place.face_y = float(face_across);
    place.bar_x = float(bar_along);
    place.bar_y = float(bar_across);
  } else {
    place.face_x = float(face_across);
    place.face_y = float(face_along);
    place.bar_x = float(bar_across);
    place.bar_y = float(bar_along);
  }
  return place;
}

}  // namespace hushwall
