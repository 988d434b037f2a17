#include "ui/main/list_sync.h"

#include <algorithm>
#include <cstddef>

namespace hushwall {
namespace {

// Beyond this many differences the edit script is not worth the search.
constexpr int kMaxDifferences = 1000;

using Edits = std::vector<ListEdit>;

void ReplaceAll(std::span<const std::string> shown, std::span<const std::string> wanted,
                int offset, Edits& edits) {
  for (std::size_t i = shown.size(); i > 0; --i)
    edits.push_back({ListEdit::Kind::Delete, offset + static_cast<int>(i - 1), {}});
  for (std::size_t i = 0; i < wanted.size(); ++i)
    edits.push_back({ListEdit::Kind::Insert, offset + static_cast<int>(i), wanted[i]});
}

// Myers' greedy shortest edit script. The furthest-reaching x of every diagonal k is
// kept for each round d (only diagonals -d-1..d+1 matter in round d), then walked
// back from the end. Edits are emitted from the back of the list towards the front,
// so each one's index, taken in the original list, is still right when it runs.
bool ShortestScript(std::span<const std::string> a, std::span<const std::string> b, int offset,
                    Edits& edits) {
  const int n = static_cast<int>(a.size());
  const int m = static_cast<int>(b.size());
  const int limit = std::min(n + m, kMaxDifferences);
  std::vector<std::vector<int>> rounds;  // rounds[d][k + d + 1] = x before round d
  std::vector<int> v(2 * (limit + 1) + 1, 0);
  const int centre = limit + 1;
  int found = -1;
  for (int d = 0; d <= limit && found < 0; ++d) {
    rounds.emplace_back(v.begin() + centre - d - 1, v.begin() + centre + d + 2);
    for (int k = -d; k <= d; k += 2) {
      int x = (k == -d || (k != d && v[centre + k - 1] < v[centre + k + 1])) ? v[centre + k + 1]
                                                                             : v[centre + k - 1] + 1;
      int y = x - k;
      while (x < n && y < m && a[x] == b[y]) ++x, ++y;
      v[centre + k] = x;
      if (x >= n && y >= m) {
        found = d;
        break;
      }
    }
  }
  if (found < 0) return false;

  int x = n;
  int y = m;
  for (int d = found; d > 0; --d) {
    const std::vector<int>& before = rounds[d];
    auto at = [&](int k) { return before[k + d + 1]; };
    const int k = x - y;
    const bool down = (k == -d || (k != d && at(k - 1) < at(k + 1)));
    const int prev_k = down ? k + 1 : k - 1;
    const int prev_x = at(prev_k);
    const int prev_y = prev_x - prev_k;
    if (down)
      edits.push_back({ListEdit::Kind::Insert, offset + prev_x, b[prev_y]});
    else
      edits.push_back({ListEdit::Kind::Delete, offset + prev_x, {}});
    x = prev_x;
    y = prev_y;
  }
  return true;
}

}  // namespace

std::vector<ListEdit> ComputeListEdits(std::span<const std::string> shown,
                                       std::span<const std::string> wanted) {
  std::size_t prefix = 0;
  while (prefix < shown.size() && prefix < wanted.size() && shown[prefix] == wanted[prefix])
    ++prefix;
  std::size_t suffix = 0;
  while (suffix < shown.size() - prefix && suffix < wanted.size() - prefix &&
         shown[shown.size() - 1 - suffix] == wanted[wanted.size() - 1 - suffix])
    ++suffix;
  auto old_middle = shown.subspan(prefix, shown.size() - prefix - suffix);
  auto new_middle = wanted.subspan(prefix, wanted.size() - prefix - suffix);

  Edits edits;
  const int offset = static_cast<int>(prefix);
  if (old_middle.empty() || new_middle.empty() ||
      !ShortestScript(old_middle, new_middle, offset, edits)) {
    edits.clear();
    ReplaceAll(old_middle, new_middle, offset, edits);
  }
  return edits;
}

}  // namespace hushwall
