// The program's pictures: the splash (a brick shield before a crenellated wall with
// the name written in strokes) and the icons of the window and the notification area.
// Shapes are sampled 4 x 4 per pixel: edges between two shapes are smoothed, while
// the outline against the key colour (splash) or transparency (icons) stays hard,
// since those pixels are either in the window or out of it.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "resgen.h"

namespace {

using resgen::Colour;
using resgen::Mix;

Colour Scaled(Colour c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

using Inside = std::function<bool(double x, double y)>;
using Paint = std::function<Colour(double x, double y)>;

Paint Solid(Colour c) {
  return [c](double, double) { return c; };
}

Paint VerticalGradient(Colour top, Colour bottom, double y0, double y1) {
  return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

// Pixel-bounded area a shape is painted in (inclusive-exclusive).
struct Box {
  int x0, y0, x1, y1;
};

class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width), height_(height), colours_(std::size_t(width) * height), set_(colours_.size(), false) {}

  // Paints where the shape covers a pixel: blended by coverage over painted pixels,
  // and over empty ones only when it covers at least half of the pixel.
  void Fill(Box box, const Inside& inside, const Paint& paint) {
    ForEachPixel(box, [&](int x, int y) {
      int covered = 0;
      Colour sum;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
          if (!inside(px, py)) continue;
          ++covered;
          const Colour c = paint(px, py);
          sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
      }
      if (covered == 0) return;
      const Colour average = Scaled(sum, 1.0 / covered);
      const std::size_t i = Index(x, y);
      if (!set_[i]) {
        if (covered < 8) return;
        set_[i] = true;
        colours_[i] = average;
      } else {
        colours_[i] = Mix(colours_[i], average, covered / 16.0);
      }
    });
  }

  // Empties every pixel the shape covers at least half of.
  void Erase(Box box, const Inside& inside) {
    ForEachPixel(box, [&](int x, int y) {
      int covered = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) covered += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
      }
      if (covered >= 8) set_[Index(x, y)] = false;
    });
  }

  // Empty pixels become `key`; a painted pixel never takes the key colour.
  resgen::Image ToImage(std::uint32_t key, std::vector<bool>* opaque = nullptr) const {
    resgen::Image image(width_, height_, key);
    if (opaque) opaque->assign(colours_.size(), false);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const std::size_t i = Index(x, y);
        if (!set_[i]) continue;
        std::uint32_t rgb = resgen::Pack(colours_[i]);
        if (rgb == key) rgb ^= 0x000100;
        image.At(x, y) = rgb;
        if (opaque) (*opaque)[i] = true;
      }
    }
    return image;
  }

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * width_ + x; }
  template <typename Visit>
  void ForEachPixel(Box box, Visit visit) {
    for (int y = std::max(box.y0, 0); y < std::min(box.y1, height_); ++y) {
      for (int x = std::max(box.x0, 0); x < std::min(box.x1, width_); ++x) visit(x, y);
    }
  }

  int width_, height_;
  std::vector<Colour> colours_;
  std::vector<bool> set_;
};

// ---- shapes ----

Inside RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = std::clamp(x, x0 + radius, x1 - radius);
    const double cy = std::clamp(y, y0 + radius, y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

Inside Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

double SegmentDistanceSquared(double x, double y, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double length = dx * dx + dy * dy;
  const double t = length == 0 ? 0 : std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0);
  const double ex = x - (ax + t * dx), ey = y - (ay + t * dy);
  return ex * ex + ey * ey;
}

struct Point {
  double x, y;
};
using Stroke = std::vector<Point>;

// Strokes of round-capped lines through the points, in units of `scale` pixels.
Inside Strokes(std::vector<Stroke> strokes, double left, double top, double scale, double radius) {
  for (Stroke& stroke : strokes) {
    for (Point& p : stroke) p = {left + p.x * scale, top + p.y * scale};
  }
  return [strokes, radius](double x, double y) {
    for (const Stroke& stroke : strokes) {
      for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
        if (SegmentDistanceSquared(x, y, stroke[i].x, stroke[i].y, stroke[i + 1].x, stroke[i + 1].y) <=
            radius * radius) {
          return true;
        }
      }
    }
    return false;
  };
}

// A heater shield: straight sides with rounded top corners over the upper part,
// curving in to a point at the bottom.
Inside Shield(double cx, double top, double half_width, double height) {
  return [=](double x, double y) {
    const double v = (y - top) / height;
    if (v < 0 || v > 1) return false;
    const double dx = std::abs(x - cx);
    constexpr double kStraight = 0.42;
    if (v <= kStraight) {
      const double corner = half_width * 0.22;
      if (dx > half_width) return false;
      const double cy = top + corner;
      if (y >= cy || dx <= half_width - corner) return true;
      const double ex = dx - (half_width - corner), ey = cy - y;
      return ex * ex + ey * ey <= corner * corner;
    }
    const double t = (v - kStraight) / (1 - kStraight);
    return dx <= half_width * (1 - t * t * (0.55 + 0.45 * t));
  };
}

Inside Grown(double by, double cx, double top, double half_width, double height) {
  return Shield(cx, top - by, half_width + by, height + by * 2.6);
}

// Bricks in courses of `course` pixels, half a brick offset every other course.
Paint Bricks(Colour brick, Colour mortar, double course, double length, double joint, double x0, double y0) {
  return [=](double x, double y) {
    const double row = std::floor((y - y0) / course);
    const double shifted = x - x0 + (int(row) % 2 ? length / 2 : 0);
    const double column = std::floor(shifted / length);
    const double in_row = y - y0 - row * course, in_column = shifted - column * length;
    if (in_row < joint || in_column < joint) return mortar;
    // A fixed shade per brick, so the wall does not look printed.
    const unsigned hash = unsigned(int(row) * 73856093) ^ unsigned(int(column) * 19349663);
    const double shade = 0.86 + 0.14 * double(hash % 97) / 96.0;
    return Scaled(brick, shade);
  };
}

// ---- the splash ----

constexpr std::uint32_t kKey = 0xFFFC00;  // red 255, green 252, blue 0
constexpr int kSplashWidth = 400;
constexpr int kSplashHeight = 302;

const Colour kNight{26, 38, 76};
const Colour kDeepNight{10, 16, 38};
const Colour kSteel{112, 142, 204};
const Colour kSilver{222, 228, 240};
const Colour kPewter{140, 150, 172};
const Colour kWhite{246, 246, 252};
const Colour kGold{250, 196, 72};
const Colour kShadow{4, 6, 16};

// Letter strokes on a grid 14 units high; lower-case letters start at unit 5.
struct Glyph {
  double width;
  std::vector<Stroke> strokes;
};

std::vector<Glyph> NameGlyphs() {
  const Glyph H{8, {{{0, 0}, {0, 14}}, {{8, 0}, {8, 14}}, {{0, 7}, {8, 7}}}};
  const Glyph u{8, {{{0, 5}, {0, 11}, {1.2, 13.4}, {3.5, 14}, {6, 13.3}, {8, 11}}, {{8, 5}, {8, 14}}}};
  const Glyph s{7.5, {{{7.5, 6.2}, {5.6, 5}, {2, 5}, {0.3, 6.6}, {1.4, 8.8}, {6, 10}, {7.5, 12}, {5.8, 14}, {2, 14}, {0, 12.8}}}};
  const Glyph h{8, {{{0, 0}, {0, 14}}, {{0, 8}, {2.2, 5.4}, {5.6, 5}, {8, 7.4}, {8, 14}}}};
  const Glyph W{12, {{{0, 0}, {3, 14}, {6, 4}, {9, 14}, {12, 0}}}};
  const Glyph a{8, {{{0.8, 5.8}, {3, 5}, {6.4, 5.2}, {8, 7.2}, {8, 14}},
                    {{8, 9.2}, {3, 9.2}, {0.4, 10.6}, {0.6, 13.2}, {3, 14}, {6.2, 13.4}, {8, 11.6}}}};
  const Glyph l{1.5, {{{0, 0}, {0, 12.5}, {1.5, 14}}}};
  return {H, u, s, h, W, a, l, l};
}

void DrawName(Canvas& canvas, double left, double top, double scale) {
  constexpr double kGap = 3.4;
  const auto glyphs = NameGlyphs();
  const double radius = 1.15 * scale;
  for (int pass = 0; pass < 2; ++pass) {
    double x = left;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
      const double offset = pass == 0 ? 2.0 : 0.0;
      const Inside letter = Strokes(glyphs[i].strokes, x + offset, top + offset, scale, radius);
      const Box box{int(x) - 6, int(top) - 6, int(x + glyphs[i].width * scale) + 10, int(top + 14 * scale) + 10};
      const Colour colour = pass == 0 ? kShadow : (i < 4 ? kWhite : kGold);
      canvas.Fill(box, letter, Solid(colour));
      x += (glyphs[i].width + kGap) * scale;
    }
  }
}

resgen::Bytes MakeSplash() {
  Canvas canvas(kSplashWidth, kSplashHeight);
  const Box all{0, 0, kSplashWidth, kSplashHeight};

  // The wall: a rounded panel with merlons along its top, a steel rim around both.
  const Paint night = [](double x, double y) {
    const Colour base = VerticalGradient(kNight, kDeepNight, 64, 298)(x, y);
    return Bricks(base, Scaled(base, 1.28), 17, 38, 1.5, 4, 66)(x, y);
  };
  const double merlons[] = {196, 236, 276, 316, 356};
  canvas.Fill(all, RoundRect(4, 64, 396, 298, 26), Solid(kSteel));
  for (double m : merlons) canvas.Fill({int(m), 40, int(m) + 27, 70}, RoundRect(m, 42, m + 26, 70, 5), Solid(kSteel));
  canvas.Fill(all, RoundRect(7, 67, 393, 295, 23), night);
  for (double m : merlons) {
    canvas.Fill({int(m), 40, int(m) + 27, 72}, RoundRect(m + 3, 45, m + 23, 71, 3), night);
  }

  // Three vents cut through the wall, with a rim.
  for (double vx : {338.0, 354.0, 370.0}) {
    canvas.Fill({int(vx) - 8, 256, int(vx) + 9, 274}, Circle(vx, 265, 6.5), Solid(kSteel));
    canvas.Erase({int(vx) - 8, 256, int(vx) + 9, 274}, Circle(vx, 265, 4.5));
  }

  // The shield stands before the wall with a gap cut around it.
  constexpr double cx = 100, top = 12, half = 72, height = 268;
  const Box shield_box{16, 0, 184, 292};
  canvas.Erase(shield_box, Grown(5, cx, top, half, height));
  canvas.Fill(shield_box, Shield(cx, top, half, height), VerticalGradient(kSilver, kPewter, top, top + height));
  canvas.Fill(shield_box, Grown(-5, cx, top, half, height), [](double x, double y) {
    const Colour brick = Bricks({184, 78, 54}, {72, 54, 50}, 14, 30, 2, 20, 13)(x, y);
    // Darker towards the rim and the point, as if the shield were curved.
    const double side = std::abs(x - cx) / half;
    return Scaled(brick, 1.0 - 0.32 * side * side - 0.18 * (y - top) / height);
  });

  // An emblem on the shield: a medallion with the initial.
  const Box emblem{58, 64, 144, 150};
  canvas.Fill(emblem, Circle(cx, 106, 38), Solid(kShadow));
  canvas.Fill(emblem, Circle(cx, 105, 37), VerticalGradient(kSilver, kPewter, 68, 142));
  canvas.Fill(emblem, Circle(cx, 105, 32), VerticalGradient(kNight, kDeepNight, 73, 137));
  canvas.Fill(emblem, Strokes({{{0, 0}, {0, 14}}, {{8, 0}, {8, 14}}, {{0, 7}, {8, 7}}}, cx - 12, 84, 3, 3.2),
              Solid(kGold));

  // The name, and a gold rule under it; the version is written below at run time.
  DrawName(canvas, 192, 112, 2.35);
  canvas.Fill({186, 160, 390, 170}, Strokes({{{0, 0}, {190, 0}}}, 192, 164, 1, 1.2), Solid(kGold));

  return resgen::Png24(canvas.ToImage(kKey));
}

// ---- the About picture ----

// A tall banner: the shield with its medallion over a brick wall at night.
resgen::Bytes MakeAboutPicture() {
  constexpr int kWidth = 77, kHeight = 201;
  Canvas canvas(kWidth, kHeight);
  const Box all{0, 0, kWidth, kHeight};
  canvas.Fill(all, RoundRect(0, 0, kWidth, kHeight, 0), [](double x, double y) {
    const Colour base = VerticalGradient(kNight, kDeepNight, 0, kHeight)(x, y);
    return Bricks(base, Scaled(base, 1.28), 12, 26, 1.2, 0, 0)(x, y);
  });
  constexpr double cx = 38.5, top = 14, half = 30, height = 112;
  canvas.Fill(all, Grown(3, cx, top, half, height), Solid(kSteel));
  canvas.Fill(all, Shield(cx, top, half, height), VerticalGradient(kSilver, kPewter, top, top + height));
  canvas.Fill(all, Grown(-3, cx, top, half, height), [](double x, double y) {
    return Bricks({184, 78, 54}, {72, 54, 50}, 8, 17, 1.2, 10, 16)(x, y);
  });
  canvas.Fill(all, Circle(cx, 52, 17), VerticalGradient(kSilver, kPewter, 35, 69));
  canvas.Fill(all, Circle(cx, 52, 14), VerticalGradient(kNight, kDeepNight, 38, 66));
  canvas.Fill(all, Strokes({{{0, 0}, {0, 14}}, {{8, 0}, {8, 14}}, {{0, 7}, {8, 7}}}, cx - 5.6, 45, 1.4, 1.5),
              Solid(kGold));
  canvas.Fill(all, Strokes({{{0, 0}, {57, 0}}}, 10, 150, 1, 1.1), Solid(kGold));
  return resgen::Png24(canvas.ToImage(kKey));
}

// ---- the icons ----

// Each icon is drawn at every size Windows asks for between 100 and 200 %: the
// shapes are laid out on a 32-unit grid and drawn at `size` pixels.
constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64};
// Larger ones are stored as PNG, which the Windows that ask for them read.
constexpr int kLargestBmpIcon = 32;

struct IconGrid {
  int size;
  double s = size / 32.0;  // pixels per unit
  Box All() const { return {0, 0, size, size}; }
  // A rim or an offset stays at least one pixel wide in the small sizes.
  double Line(double units) const { return std::max(units * s, 1.0); }
};

using DrawIcon = std::function<void(Canvas&, const IconGrid&)>;

void DrawShieldIcon(Canvas& canvas, const IconGrid& g, Colour rim, Colour light, Colour dark) {
  const double top = g.Line(1.6) + 1 * g.s, side = g.Line(1.6);
  canvas.Fill(g.All(), Shield(16 * g.s, 1 * g.s, 14 * g.s, 30 * g.s), Solid(rim));
  // Lighter on the left half, as if lit from the left.
  const double mid = 16 * g.s;
  canvas.Fill(g.All(), Shield(mid, top, 14 * g.s - side, 29.2 * g.s - top),
              [light, dark, g, mid](double x, double y) {
                const Colour base = VerticalGradient(light, dark, 3 * g.s, 28 * g.s)(x, y);
                return x < mid ? Mix(base, Colour{255, 255, 255}, 0.18) : base;
              });
}

// A white mark with a dark shadow below and right of it.
void DrawMark(Canvas& canvas, const IconGrid& g, Stroke mark, double radius, Colour shadow) {
  const double offset = g.Line(1);
  canvas.Fill(g.All(), Strokes({mark}, offset, offset, g.s, radius * g.s), Solid(shadow));
  canvas.Fill(g.All(), Strokes({mark}, 0, 0, g.s, radius * g.s), Solid({255, 255, 255}));
}

resgen::Bytes IconFromDrawing(const DrawIcon& draw) {
  std::vector<resgen::IconEntry> entries;
  for (int size : kIconSizes) {
    Canvas canvas(size, size);
    draw(canvas, IconGrid{size});
    resgen::IconEntry entry{canvas.ToImage(0, nullptr), {}, size > kLargestBmpIcon};
    canvas.ToImage(0, &entry.opaque);
    entries.push_back(std::move(entry));
  }
  return resgen::IconFile(entries);
}

void EnabledPicture(Canvas& canvas, const IconGrid& g) {
  DrawShieldIcon(canvas, g, {14, 56, 26}, {104, 214, 112}, {28, 128, 52});
  DrawMark(canvas, g, {{9, 16.5}, {14, 21.5}, {23, 10.5}}, 2.1, {10, 60, 24});
}

void DisabledPicture(Canvas& canvas, const IconGrid& g) {
  DrawShieldIcon(canvas, g, {70, 14, 14}, {240, 96, 84}, {164, 28, 28});
  DrawMark(canvas, g, {{9.5, 15}, {22.5, 15}}, 2.4, {80, 10, 10});
}

// A waxing moon: `terminator` runs from 1 (dark) through 0 (half) to -1 (full).
DrawIcon MoonPicture(double terminator, bool glowing) {
  return [=](Canvas& canvas, const IconGrid& g) {
    const double c = 16 * g.s, r = 12.5 * g.s;
    if (glowing) {
      canvas.Fill(g.All(), Circle(c, c, 15.6 * g.s), Solid({255, 214, 110}));
      canvas.Fill(g.All(), Circle(c, c, 15.6 * g.s - g.Line(1)), Solid({255, 238, 170}));
    }
    canvas.Fill(g.All(), Circle(c, c, r + g.Line(1.2)), Solid({16, 22, 44}));
    const Colour shadow{44, 54, 92}, lit{252, 236, 168}, crater{226, 204, 132};
    const double s = g.s;
    canvas.Fill(g.All(), Circle(c, c, r), [=](double x, double y) {
      const double dx = x - c, dy = y - c;
      const double half_chord = std::sqrt(std::max(0.0, r * r - dy * dy));
      if (dx <= terminator * half_chord) return shadow;
      const bool in_crater = Circle(20 * s, 11 * s, 2.6 * s)(x, y) || Circle(13 * s, 19 * s, 3.2 * s)(x, y) ||
                             Circle(21 * s, 21 * s, 1.8 * s)(x, y);
      return in_crater ? crater : lit;
    });
  };
}

resgen::Bytes MakeEnabled() { return IconFromDrawing(EnabledPicture); }
resgen::Bytes MakeDisabled() { return IconFromDrawing(DisabledPicture); }
resgen::Bytes MakeMoon1() { return IconFromDrawing(MoonPicture(0.55, false)); }
resgen::Bytes MakeMoon2() { return IconFromDrawing(MoonPicture(0.0, false)); }
resgen::Bytes MakeMoon3() { return IconFromDrawing(MoonPicture(-0.55, false)); }
resgen::Bytes MakeMoon4() { return IconFromDrawing(MoonPicture(-1.0, false)); }
resgen::Bytes MakeMoon5() { return IconFromDrawing(MoonPicture(-1.0, true)); }

// Frames 0 and 7 of the animation are the enabled picture and frame 6 repeats
// frame 5: the program loads those pictures twice.
resgen::Registration splash("splash.png", MakeSplash);
resgen::Registration about("about.png", MakeAboutPicture);
resgen::Registration enabled("green.ico", MakeEnabled);
resgen::Registration disabled("red.ico", MakeDisabled);
resgen::Registration moon1("moon1.ico", MakeMoon1);
resgen::Registration moon2("moon2.ico", MakeMoon2);
resgen::Registration moon3("moon3.ico", MakeMoon3);
resgen::Registration moon4("moon4.ico", MakeMoon4);
resgen::Registration moon5("moon5.ico", MakeMoon5);

}  // namespace
