#pragma once
// The progress bar: its range, value and percentage, its properties and persisted
// set, and its drawing on the surfaces of its ProgressWindow. It reports to its
// ProgressHost; neither knows anything of Windows here.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/progress/currency.h"
#include "controls/progress/progress_interfaces.h"
#include "platform/font_description.h"
#include "platform/property_bag.h"

namespace hushwall {

namespace progress_default {
inline constexpr Colour kBackColor = 0x8000000E;
inline constexpr Colour kForeColor = 0x80000012;
inline constexpr Colour kFadeBG1 = 0x80000010;
inline constexpr Colour kFadeBG2 = 0x80000014;
inline constexpr Colour kFadeFG1 = 0x8000000E;
inline constexpr Colour kFadeFG2 = 0x8000000D;
inline constexpr std::int32_t kBorderStyle = 6;
inline constexpr std::uint8_t kFade = 2;
inline constexpr std::uint8_t kFadeStyle = 1;
inline constexpr std::int16_t kInterval = 1;
inline constexpr std::int16_t kScaleMode = 1;
inline constexpr const char* kCustomCaption = "Done!";
inline constexpr const char* kCaption2 = "%";
}  // namespace progress_default

class MProgress {
 public:
  MProgress(ProgressHost& host, ProgressWindow& window);
  MProgress(const MProgress&) = delete;
  MProgress& operator=(const MProgress&) = delete;

  // A control newly placed on a window; nothing is drawn.
  void InitProperties();
  // Values taken as they are, without checks or derived fields; nothing is drawn.
  // A value that does not convert ends the load with ControlError, the keys read
  // before it keeping their values.
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;
  // Every time the control becomes visible.
  void Show();
  // The control's own size changed.
  void SizeChanged();

  Colour BackColor() const { return back_color_; }
  void SetBackColor(Colour value);
  std::int32_t Blend() const { return blend_; }
  void SetBlend(std::int32_t value);
  std::int32_t BorderStyle() const { return border_style_; }
  void SetBorderStyle(std::int32_t value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  const std::string& Caption2() const { return caption2_; }
  void SetCaption2(const std::string& value);
  const std::string& CustomCaption() const { return custom_caption_; }
  void SetCustomCaption(const std::string& value);
  bool ShowCustomCaption() const { return show_custom_caption_; }
  void SetShowCustomCaption(bool value);
  std::int32_t Direction() const { return direction_; }
  void SetDirection(std::int32_t value);
  bool DisablePercent() const { return disable_percent_; }
  void SetDisablePercent(bool value);
  std::int32_t Fade() const { return fade_; }
  // Throws ControlError 6 outside 0 to 255.
  void SetFade(std::int32_t value);
  Colour FadeBG1() const { return fade_bg1_; }
  void SetFadeBG1(Colour value);
  Colour FadeBG2() const { return fade_bg2_; }
  void SetFadeBG2(Colour value);
  Colour FadeFG1() const { return fade_fg1_; }
  void SetFadeFG1(Colour value);
  Colour FadeFG2() const { return fade_fg2_; }
  void SetFadeFG2(Colour value);
  std::int32_t FadeStyle() const { return fade_style_; }
  // Throws ControlError 6 for a negative value; above 1 stores 1.
  void SetFadeStyle(std::int32_t value);
  const FontDescription& Font() const { return font_; }
  void SetFont(const FontDescription& value);
  // The surfaces make their fonts at another scale now (the hosting window's dpi
  // changed): the caption is measured and printed again. No property changes.
  void FontScaleChanged();
  Colour ForeColor() const { return fore_color_; }
  void SetForeColor(Colour value);
  bool ManualRefresh() const { return manual_refresh_; }
  void SetManualRefresh(bool value);
  Currency Max() const { return max_; }
  void SetMax(Currency value);
  Currency Min() const { return min_; }
  void SetMin(Currency value);
  Currency Value() const { return value_; }
  // Ignores every error inside and goes on with the next step.
  void SetValue(Currency value);
  std::uint8_t Percent() const { return percent_; }
  // Read-only: always throws ControlError 382 in design mode, 393 at run time.
  void SetPercent(std::int32_t value);
  std::int32_t Alignment() const { return alignment_; }
  // Throws ControlError 6 outside 0 to 255.
  void SetAlignment(std::int32_t value);
  std::int32_t ScaleMode() const { return scale_mode_; }
  // Throws ControlError 6 outside 16 bits, and the platform's error for a code it
  // rejects (after storing).
  void SetScaleMode(std::int32_t value);

  // Positions the bar; under ManualRefresh also paints. Never throws.
  void Refresh();
  void SetParent(std::uint32_t parent_handle) { window_.SetParent(parent_handle); }

  // Input from the platform, forwarded to the host.
  void Clicked() { host_.Click(); }
  void KeyDown(std::int16_t key_code, std::int16_t shift) { host_.KeyDown(key_code, shift); }
  void KeyPress(std::int16_t key_ascii) { host_.KeyPress(key_ascii); }
  void KeyUp(std::int16_t key_code, std::int16_t shift) { host_.KeyUp(key_code, shift); }
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    host_.MouseDown(button, shift, x, y);
  }
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    host_.MouseMove(button, shift, x, y);
  }
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    host_.MouseUp(button, shift, x, y);
  }

  // State that the drawing keeps, readable for the shell and the tests.
  bool Reverse() const { return reverse_; }
  bool Vertical() const { return vertical_; }
  std::int16_t Interval() const { return interval_; }
  std::uint8_t Inset() const { return inset_; }
  const std::string& CaptionText() const { return caption_text_; }
  std::int16_t CaptionWidth() const { return caption_width_; }
  std::int16_t CaptionHeight() const { return caption_height_; }
  bool CaptionUnchanged() const { return caption_unchanged_; }
  std::uint8_t LastPercent() const { return last_percent_; }
  Currency ValueOffset() const { return value_offset_; }
  Currency ValueRange() const { return value_range_; }
  const BarRect& BarPlace() const { return bar_; }

  // Composes and measures the caption; throws what measuring throws.
  void BuildCaption();
  // Clears both shown surfaces and re-renders the fade buffers, then paints unless
  // ManualRefresh. Throws ControlError 11 for a fade over no pixels.
  void DrawFades();
  // Composes the fades and the caption onto the face and the bar and shows them.
  void PaintBar();

 private:
  void Notify(std::string_view key) { host_.PropertyChanged(key); }
  void CacheDifferences();
  void PositionBar();
  void BarResized();
  std::uint8_t Inset(std::int32_t border_style) const;
  Rgb ResolveColour(Colour colour);
  void RenderFade(ProgressSurface& buffer, Rgb from, Rgb to, bool vertical);
  void FadeStage();
  void CaptionStage();
  std::string ComposeCaption() const;
  // A caption text setter; under Fade 0 the paint must print even an unchanged text.
  void CaptionSetter(std::string& field, const std::string& value, std::string_view key);

  ProgressHost& host_;
  ProgressWindow& window_;

  Colour back_color_ = 0;
  std::int32_t blend_ = 0;
  std::int32_t border_style_ = 0;
  bool show_custom_caption_ = false;
  std::string custom_caption_;
  std::int32_t direction_ = 0;
  std::uint8_t fade_ = 0;
  Colour fade_bg1_ = 0;
  Colour fade_bg2_ = 0;
  Colour fade_fg1_ = 0;
  Colour fade_fg2_ = 0;
  std::uint8_t fade_style_ = 0;
  FontDescription font_;
  Colour fore_color_ = 0;
  std::int16_t interval_ = 0;
  bool manual_refresh_ = false;
  Currency max_;
  Currency min_;
  bool disable_percent_ = false;
  std::uint8_t percent_ = 0;
  std::string caption2_;
  std::uint8_t alignment_ = 0;
  std::string caption_;
  bool reverse_ = false;
  std::int16_t scale_mode_ = 0;
  Currency value_;
  bool vertical_ = false;
  std::uint8_t inset_ = 0;
  std::int16_t caption_width_ = 0;
  std::int16_t caption_height_ = 0;
  bool caption_unchanged_ = false;
  std::uint8_t last_percent_ = 0;
  std::string caption_text_;
  Currency value_offset_;
  Currency value_range_;

  BarRect bar_;
  // Without fades a paint prints only a new text; this forces the next one to print
  // after the surfaces were cleared or the caption's look or place changed.
  bool caption_stale_ = false;
};

// The members a property browser shows, with the description it publishes for each
// ("" for none).
struct ProgressMemberInfo {
  const char* name;
  const char* description;
};
const ProgressMemberInfo* ProgressMembers(std::size_t& count);

}  // namespace hushwall
