#pragma once
// The resource generator: every binary resource of the program is made by a
// generator registered here, so the committed files can be rebuilt byte for byte.
#include <cstdint>
#include <string>
#include <vector>

namespace resgen {

using Bytes = std::vector<std::uint8_t>;
using Generator = Bytes (*)();

// Registers a generator for a file name relative to resources/.
struct Registration {
  Registration(const char* file_name, Generator generator);
};

// Pixels are rows top to bottom, each pixel 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  Image(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  std::uint32_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

inline std::uint32_t Rgb(int r, int g, int b) {
  return (std::uint32_t(r & 255) << 16) | (std::uint32_t(g & 255) << 8) | std::uint32_t(b & 255);
}

// A colour with fractional channels (0 to 255), for shading and blending.
struct Colour {
  double r = 0, g = 0, b = 0;
};

// `a` at t = 0, `b` at t = 1.
inline Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Each channel rounded to the nearest whole value and kept within 0 to 255.
std::uint32_t Pack(Colour c);

// A Windows .bmp file, 24 bits per pixel, bottom-up.
Bytes Bmp24(const Image& image);
// A .png file, 8-bit RGB without filtering (the smallest result for these
// pictures) and without colour-space chunks, so decoders give the pixels unchanged.
Bytes Png24(const Image& image);
// One picture of an icon file: `opaque` gives the alpha (false = transparent).
// Stored as a 32-bit DIB with an AND mask, which every Windows reads, or as a PNG,
// which is smaller and which Vista and later read.
struct IconEntry {
  Image image;
  std::vector<bool> opaque;
  bool png = false;
};
// A Windows .ico file holding the entries in the given order.
Bytes IconFile(const std::vector<IconEntry>& entries);

void PutLe16(Bytes& out, unsigned value);
void PutLe32(Bytes& out, std::uint32_t value);

}  // namespace resgen
