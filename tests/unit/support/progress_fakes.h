#pragma once
// Stand-ins for what surrounds a progress bar: surfaces that keep real pixels (text
// prints as one solid cell per character), a window holding the four of them and a
// host that logs reports and events into one journal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/progress/progress_interfaces.h"

namespace hushwall::testing {

using Journal = std::vector<std::string>;

// System colour n shows as the grey n, n, n.
inline Rgb Shown(Colour colour) { return colour & 0x80000000u ? (colour & 0xFF) * 0x010101u : colour; }

struct Print {
  std::string text;
  float x, y;
  Rgb colour;
};

class PixelSurface : public ProgressSurface {
 public:
  explicit PixelSurface(std::string name) : name(std::move(name)) {}

  void Place(const BarRect& rect) override {
    if (rect.width < 0 || rect.height < 0) throw std::runtime_error("negative size");
    std::vector<Rgb> resized(std::size_t(rect.width) * std::size_t(rect.height), back);
    for (std::int32_t y = 0; y < std::min(rect.height, place.height); ++y) {
      for (std::int32_t x = 0; x < std::min(rect.width, place.width); ++x) {
        resized[std::size_t(y) * std::size_t(rect.width) + std::size_t(x)] = At(x, y);
      }
    }
    pixels = std::move(resized);
    place = rect;
  }
  std::int32_t Width() override { return place.width; }
  std::int32_t Height() override { return place.height; }
  void SetBackColour(Colour colour) override { back = Shown(colour); }
  void SetTextColour(Colour colour) override { text = Shown(colour); }
  void SetFont(const FontDescription& value) override { font = value; }
  void Clear() override {
    std::fill(pixels.begin(), pixels.end(), back);
    ++clears;
  }
  void FillWith(Colour colour) override { std::fill(pixels.begin(), pixels.end(), Shown(colour)); }
  Rgb Displayed(Colour colour) override { return Shown(colour); }
  Rgb Pixel(std::int32_t x, std::int32_t y) override { return Inside(x, y) ? At(x, y) : 0xFFFFFFFFu; }
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override {
    if (!Inside(x, y)) {
      ADD_FAILURE() << name << ": pixel write outside the image at " << x << ", " << y;
      return;
    }
    At(x, y) = colour;
  }
  void StretchWithin(const BarRect& source, const BarRect& target) override {
    if (!Contains(source) || !Contains(target)) {
      ADD_FAILURE() << name << ": stretch outside the image";
      return;
    }
    const std::vector<Rgb> before = pixels;
    for (std::int32_t y = 0; y < target.height; ++y) {
      for (std::int32_t x = 0; x < target.width; ++x) {
        const std::int32_t sx = source.left + x * source.width / target.width;
        const std::int32_t sy = source.top + y * source.height / target.height;
        At(target.left + x, target.top + y) = before[Index(sx, sy)];
      }
    }
  }
  void CopyFrom(ProgressSurface& source_surface, const BarRect& target, std::int32_t sx,
                std::int32_t sy) override {
    auto& source = static_cast<PixelSurface&>(source_surface);
    if (!Contains(target) || !source.Contains({sx, sy, target.width, target.height})) {
      ADD_FAILURE() << name << ": copy outside an image";
      return;
    }
    for (std::int32_t y = 0; y < target.height; ++y) {
      for (std::int32_t x = 0; x < target.width; ++x) {
        At(target.left + x, target.top + y) = source.At(sx + x, sy + y);
      }
    }
  }
  TextExtent MeasureText(std::string_view value) override {
    ++measures;
    return {double(value.size()) * char_width, line_height};
  }
  void PrintText(std::string_view value, float x, float y) override {
    prints.push_back({std::string(value), x, y, text});
    const std::int32_t left = std::int32_t(x);
    const std::int32_t top = std::int32_t(y);
    const std::int32_t w = std::int32_t(double(value.size()) * char_width);
    for (std::int32_t py = std::max(top, 0); py < std::min(top + std::int32_t(line_height), place.height); ++py) {
      for (std::int32_t px = std::max(left, 0); px < std::min(left + w, place.width); ++px) {
        At(px, py) = text;
      }
    }
  }
  void Present() override { ++presents; }

  bool Inside(std::int32_t x, std::int32_t y) const {
    return x >= 0 && y >= 0 && x < place.width && y < place.height;
  }
  bool Contains(const BarRect& r) const {
    return r.width >= 0 && r.height >= 0 && r.left >= 0 && r.top >= 0 &&
           std::int64_t(r.left) + r.width <= place.width && std::int64_t(r.top) + r.height <= place.height;
  }
  Rgb& At(std::int32_t x, std::int32_t y) { return pixels[Index(x, y)]; }
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return std::size_t(y) * std::size_t(place.width) + std::size_t(x);
  }

  std::string name;
  BarRect place;
  std::vector<Rgb> pixels;
  Rgb back = 0;
  Rgb text = 0;
  FontDescription font;
  double char_width = 6;
  double line_height = 13;
  int clears = 0;
  int measures = 0;
  int presents = 0;
  std::vector<Print> prints;
};

class FakeProgressWindow : public ProgressWindow {
 public:
  FakeProgressWindow(std::int32_t w, std::int32_t h) : width(w), height(h) {}
  ProgressSurface& Face() override { return face; }
  ProgressSurface& Bar() override { return bar; }
  ProgressSurface& BackgroundBuffer() override { return background; }
  ProgressSurface& BarBuffer() override { return bar_fade; }
  std::int32_t DrawingWidth() override { return width; }
  std::int32_t DrawingHeight() override { return height; }
  void SetScaleMode(std::int16_t code) override {
    if (code > 7) throw std::runtime_error("unknown scale mode");
    scale_mode = code;
  }
  void Repaint() override { ++repaints; }
  void SetParent(std::uint32_t handle) override { parent = handle; }

  // What the screen shows: the face with the bar over it.
  Rgb Shown(std::int32_t x, std::int32_t y) {
    const std::int32_t bx = x - bar.place.left, by = y - bar.place.top;
    return bar.Inside(bx, by) ? bar.At(bx, by) : face.At(x, y);
  }
  int Prints() const { return int(face.prints.size() + bar.prints.size()); }

  std::int32_t width;
  std::int32_t height;
  PixelSurface face{"face"};
  PixelSurface bar{"bar"};
  PixelSurface background{"background fade"};
  PixelSurface bar_fade{"bar fade"};
  std::int16_t scale_mode = 0;
  int repaints = 0;
  std::uint32_t parent = 0;
};

class RecordingProgressHost : public ProgressHost {
 public:
  bool DesignMode() override { return design_mode; }
  FontDescription AmbientFont() override { return ambient_font; }
  void PropertyChanged(std::string_view key) override { journal.push_back("report " + std::string(key)); }
  void BarResize() override { journal.push_back("BarResize"); }
  void Change() override {
    journal.push_back("Change");
    if (on_change) on_change();
  }
  void Resize() override { journal.push_back("Resize"); }

  int Count(const std::string& entry) const { return int(std::count(journal.begin(), journal.end(), entry)); }

  Journal journal;
  bool design_mode = false;
  FontDescription ambient_font{"Tahoma", 9};
  std::function<void()> on_change;
};

}  // namespace hushwall::testing
