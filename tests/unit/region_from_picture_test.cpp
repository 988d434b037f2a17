#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/windows/region_from_picture.h"

namespace hushwall {
namespace {

// A picture drawn as text: one string per row, one character per pixel; each
// character is its own colour, so '.' is the key when it sits at the top-left.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

Picture Draw(const std::vector<std::string>& rows) {
  Picture picture;
  picture.height = int(rows.size());
  picture.width = rows.empty() ? 0 : int(rows[0].size());
  for (const std::string& row : rows) {
    for (char c : row) picture.pixels.push_back(0x00FF0000u | std::uint8_t(c));
  }
  return picture;
}

std::vector<Rect> Runs(const Picture& picture) {
  return FindPictureRuns(picture.width, picture.height, picture.pixels);
}

TEST(PictureRuns, OneRectanglePerHorizontalRun) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    std::vector<Rect> runs;
  };
  const Case cases[] = {
      {"hole inside a shape",
       {"......",
        ".####.",
        ".#..#.",
        ".####."},
       {{1, 1, 5, 2}, {1, 2, 2, 3}, {4, 2, 5, 3}, {1, 3, 5, 4}}},
      {"row ending in a run, next row starts closed",
       {"..##",
        "#...",
        "...#"},
       {{2, 0, 4, 1}, {0, 1, 1, 2}, {3, 2, 4, 3}}},
      {"other colours count alike",
       {".abc.x",
        "zzzzzz"},
       {{1, 0, 4, 1}, {5, 0, 6, 1}, {0, 1, 6, 2}}},
      {"single pixels",
       {".#.#.#"},
       {{1, 0, 2, 1}, {3, 0, 4, 1}, {5, 0, 6, 1}}},
      {"one column",
       {".", "#", "#", ".", "#"},
       {{0, 1, 1, 2}, {0, 2, 1, 3}, {0, 4, 1, 5}}},
      {"key taken from the top-left pixel, whatever it is",
       {"#..#",
        "##.#"},
       {{1, 0, 3, 1}, {2, 1, 3, 2}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Runs(Draw(c.rows)), c.runs) << c.name;
  }
}

TEST(PictureRuns, NothingToKeepGivesNoRectangle) {
  EXPECT_TRUE(Runs(Draw({"....", "....", "...."})).empty()) << "all key colour";
  EXPECT_TRUE(Runs(Draw({"#"})).empty()) << "one pixel is its own key";
  EXPECT_TRUE(Runs(Draw({})).empty()) << "no pixel";
  EXPECT_TRUE(FindPictureRuns(0, 5, {}).empty());
  EXPECT_TRUE(FindPictureRuns(5, 0, {}).empty());
}

TEST(PictureRuns, MismatchedSizesAreRefused) {
  const std::vector<std::uint32_t> six(6, 0);
  EXPECT_THROW(FindPictureRuns(4, 2, six), std::invalid_argument);
  EXPECT_THROW(FindPictureRuns(-2, -3, six), std::invalid_argument);
  EXPECT_NO_THROW(FindPictureRuns(3, 2, six));
}

// Random pictures: the runs cover exactly the non-key pixels, each run is as long
// as it can be, and they come row by row, left to right.
TEST(PictureRuns, RunsCoverExactlyTheKeptPixelsOfRandomPictures) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 200; ++round) {
    const int width = 1 + int(random() % 40);
    const int height = 1 + int(random() % 12);
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    const unsigned colours = 2 + random() % 3;
    for (auto& pixel : pixels) pixel = random() % colours;
    const std::uint32_t key = pixels[0];

    std::vector<int> cover(pixels.size(), 0);
    const Rect* previous = nullptr;
    const auto runs = FindPictureRuns(width, height, pixels);
    for (const Rect& run : runs) {
      ASSERT_EQ(run.bottom, run.top + 1);
      ASSERT_LT(run.left, run.right);
      ASSERT_GE(run.left, 0);
      ASSERT_LE(run.right, width);
      const std::uint32_t* row = pixels.data() + std::size_t(run.top) * width;
      EXPECT_TRUE(run.left == 0 || row[run.left - 1] == key) << "run could start further left";
      EXPECT_TRUE(run.right == width || row[run.right] == key) << "run could go further right";
      if (previous) {
        EXPECT_TRUE(previous->top < run.top || (previous->top == run.top && previous->right < run.left));
      }
      for (int x = run.left; x < run.right; ++x) ++cover[std::size_t(run.top) * width + x];
      previous = &run;
    }
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      ASSERT_EQ(cover[i], pixels[i] == key ? 0 : 1) << "round " << round << " pixel " << i;
    }
  }
}

// The smooth picture keeps its own pixels inside; along the outline, where they touch
// a cut pixel (diagonals too), the sharp picture's.
TEST(PictureRuns, ASmoothlyGrownPictureTakesItsOutlineFromTheSharpOne) {
  const Picture sharp = Draw({".....", ".aaaa", ".aaaa", ".aaaa"});
  Picture smooth = Draw({"sssss", "sssss", "sssss", "sssss"});
  KeepSharpOutline(sharp.width, sharp.height, smooth.pixels, sharp.pixels);
  EXPECT_EQ(smooth.pixels, Draw({"sssss", "saaaa", "sasss", "sasss"}).pixels);
}

}  // namespace
}  // namespace hushwall
