#include "platform/form.h"

#include <algorithm>
#include <cstdint>

namespace hushwall {
namespace {

constexpr std::int64_t kTwipsPerInch = 1440;

std::int64_t DivideRoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  const bool negative = (numerator < 0) != (denominator < 0);
  std::int64_t n = numerator < 0 ? -numerator : numerator;
  std::int64_t d = denominator < 0 ? -denominator : denominator;
  std::int64_t quotient = n / d;
  std::int64_t twice_rest = 2 * (n % d);
  if (twice_rest > d || (twice_rest == d && quotient % 2 == 1)) ++quotient;
  return negative ? -quotient : quotient;
}

}  // namespace

const char* TypeNameOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Pane: return "Frame";
    case ControlKind::ListBox: return "ListBox";
    case ControlKind::Label:
    case ControlKind::PathLabel: return "Label";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::PushButton: return "CommandButton";
    case ControlKind::Picture: return "Image";
    case ControlKind::SkinnedButton: return "SkinnedButton";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::DriveList: return "DriveListBox";
    case ControlKind::FolderList: return "DirListBox";
    case ControlKind::FileList: return "FileListBox";
    case ControlKind::ProgressBar: return "MProgress";
  }
  return "";
}

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(DivideRoundHalfEven(std::int64_t{twips} * dpi, kTwipsPerInch));
}

int PixelsToTwips(int pixels, int dpi) {
  return static_cast<int>(DivideRoundHalfEven(std::int64_t{pixels} * kTwipsPerInch, dpi));
}

std::vector<const ControlDefinition*> CreationOrder(std::span<const ControlDefinition> controls) {
  std::vector<const ControlDefinition*> order;
  for (const ControlDefinition& control : controls) order.push_back(&control);
  std::stable_sort(order.begin(), order.end(), [](const ControlDefinition* a, const ControlDefinition* b) {
    const bool a_inside = a->parent != nullptr;
    const bool b_inside = b->parent != nullptr;
    if (a_inside != b_inside) return !a_inside;
    return a->tab_index < b->tab_index;
  });
  return order;
}

}  // namespace hushwall
