#include "controls/progress/m_progress.h"

#include <cmath>
#include <exception>
#include <iterator>
#include <limits>

#include "platform/control_error.h"
#include "platform/numeric.h"

namespace hushwall {
namespace {

constexpr const char* kSource = "MProgress";

// Runs one step of an operation that goes on after a failed step.
template <typename Step>
void IgnoringErrors(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

std::uint8_t ToByte(std::int64_t value, std::string_view source) {
  if (value < 0 || value > 255) throw ControlError(error_number::kOverflow, std::string(source));
  return static_cast<std::uint8_t>(value);
}

std::uint8_t ReadByte(const PropertyBag& bag, std::string_view key, std::uint8_t fallback) {
  return ToByte(bag.ReadInteger(key, fallback), key);
}

// A currency is kept in a bag as a whole number, a fraction, or (when a fraction
// would lose digits) as its exact decimal text.
Currency ReadCurrency(const PropertyBag& bag, std::string_view key, Currency fallback) {
  const PropertyValue* value = bag.Find(key);
  if (!value) return fallback;
  if (const auto* units = std::get_if<std::int64_t>(value)) return Currency::FromUnits(*units);
  if (const auto* number = std::get_if<double>(value)) return Currency::FromDouble(*number);
  if (const auto* text = std::get_if<std::string>(value)) return Currency::Parse(*text);
  throw ControlError(error_number::kTypeMismatch, std::string(key));
}

void WriteCurrency(PropertyBag& bag, std::string_view key, Currency value, Currency fallback) {
  if (value == fallback) {
    bag.Remove(key);
  } else if (value.Scaled() % Currency::kScale == 0) {
    bag.Set(key, value.Scaled() / Currency::kScale);
  } else if (Currency::FromDouble(value.ToDouble()) == value) {
    bag.Set(key, value.ToDouble());
  } else {
    bag.Set(key, value.ToText());
  }
}

// The persisted keys, in the order they are read and written.
constexpr const char* kPersistedKeys[] = {
    "BackColor", "Blend",     "BorderStyle",   "Custom",    "CustomText", "Direction",
    "Fade",      "FadeBG1",   "FadeBG2",       "FadeFG1",   "FadeFG2",    "FadeStyle",
    "Font",      "ForeColor", "Interval",      "ManualRefresh", "Max",    "Min",
    "NoPercent", "Percent",   "PercentAfter",  "PercentAlign",  "PercentBefore",
    "Reverse",   "ScaleMode", "Value",         "Vertical",
};
static_assert(std::size(kPersistedKeys) == 27);

const Currency kDefaultMax = Currency::FromScaled(10000 * Currency::kScale);

}  // namespace

MProgress::MProgress(ProgressHost& host, ProgressWindow& window) : host_(host), window_(window) {}

void MProgress::InitProperties() {
  namespace d = progress_default;
  back_color_ = d::kBackColor;
  blend_ = 0;
  border_style_ = d::kBorderStyle;
  show_custom_caption_ = false;
  custom_caption_ = std::string(d::kCustomCaption);
  fade_ = d::kFade;
  fade_bg1_ = d::kFadeBG1;
  fade_bg2_ = d::kFadeBG2;
  fade_fg1_ = d::kFadeFG1;
  fade_fg2_ = d::kFadeFG2;
  fade_style_ = d::kFadeStyle;
  font_ = host_.AmbientFont();
  window_.Face().SetFont(font_);
  window_.Bar().SetFont(font_);
  fore_color_ = d::kForeColor;
  interval_ = d::kInterval;
  manual_refresh_ = false;
  max_ = kDefaultMax;
  min_ = Currency();
  disable_percent_ = false;
  percent_ = 0;
  caption2_ = std::string(d::kCaption2);
  alignment_ = 0;
  caption_.clear();
  reverse_ = false;
  scale_mode_ = d::kScaleMode;
  vertical_ = false;
}

void MProgress::ReadProperties(const PropertyBag& bag) {
  namespace d = progress_default;
  back_color_ = bag.ReadColour("BackColor", d::kBackColor);
  blend_ = bag.ReadInt32("Blend", 0);
  border_style_ = bag.ReadInt32("BorderStyle", d::kBorderStyle);
  show_custom_caption_ = bag.ReadBool("Custom", false);
  custom_caption_ = bag.ReadText("CustomText", d::kCustomCaption);
  direction_ = bag.ReadInt32("Direction", 0);
  fade_ = ReadByte(bag, "Fade", d::kFade);
  fade_bg1_ = bag.ReadColour("FadeBG1", d::kFadeBG1);
  fade_bg2_ = bag.ReadColour("FadeBG2", d::kFadeBG2);
  fade_fg1_ = bag.ReadColour("FadeFG1", d::kFadeFG1);
  fade_fg2_ = bag.ReadColour("FadeFG2", d::kFadeFG2);
  fade_style_ = ReadByte(bag, "FadeStyle", d::kFadeStyle);
  font_ = bag.ReadFont("Font", host_.AmbientFont());
  fore_color_ = bag.ReadColour("ForeColor", d::kForeColor);
  interval_ = bag.ReadInt16("Interval", d::kInterval);
  manual_refresh_ = bag.ReadBool("ManualRefresh", false);
  max_ = ReadCurrency(bag, "Max", kDefaultMax);
  min_ = ReadCurrency(bag, "Min", Currency());
  disable_percent_ = bag.ReadBool("NoPercent", false);
  percent_ = ReadByte(bag, "Percent", 0);
  caption2_ = bag.ReadText("PercentAfter", d::kCaption2);
  alignment_ = ReadByte(bag, "PercentAlign", 0);
  caption_ = bag.ReadText("PercentBefore", "");
  reverse_ = bag.ReadBool("Reverse", false);
  scale_mode_ = bag.ReadInt16("ScaleMode", d::kScaleMode);
  value_ = ReadCurrency(bag, "Value", Currency());
  vertical_ = bag.ReadBool("Vertical", false);
}

void MProgress::WriteProperties(PropertyBag& bag) const {
  namespace d = progress_default;
  // A bag that held the set already would keep its old places and spellings.
  for (const char* key : kPersistedKeys) bag.Remove(key);
  bag.WriteColour("BackColor", back_color_, d::kBackColor);
  bag.WriteInteger("Blend", blend_, 0);
  bag.WriteInteger("BorderStyle", border_style_, d::kBorderStyle);
  bag.WriteBool("Custom", show_custom_caption_, false);
  bag.WriteText("CustomText", custom_caption_, d::kCustomCaption);
  bag.WriteInteger("Direction", direction_, 0);
  bag.WriteInteger("Fade", fade_, d::kFade);
  bag.WriteColour("FadeBG1", fade_bg1_, d::kFadeBG1);
  bag.WriteColour("FadeBG2", fade_bg2_, d::kFadeBG2);
  bag.WriteColour("FadeFG1", fade_fg1_, d::kFadeFG1);
  bag.WriteColour("FadeFG2", fade_fg2_, d::kFadeFG2);
  bag.WriteInteger("FadeStyle", fade_style_, d::kFadeStyle);
  bag.WriteFont("Font", font_, host_.AmbientFont());
  bag.WriteColour("ForeColor", fore_color_, d::kForeColor);
  bag.WriteInteger("Interval", interval_, d::kInterval);
  bag.WriteBool("ManualRefresh", manual_refresh_, false);
  WriteCurrency(bag, "Max", max_, kDefaultMax);
  WriteCurrency(bag, "Min", min_, Currency());
  bag.WriteBool("NoPercent", disable_percent_, false);
  bag.WriteInteger("Percent", percent_, 0);
  bag.WriteText("PercentAfter", caption2_, d::kCaption2);
  bag.WriteInteger("PercentAlign", alignment_, 0);
  bag.WriteText("PercentBefore", caption_, "");
  bag.WriteBool("Reverse", reverse_, false);
  bag.WriteInteger("ScaleMode", scale_mode_, d::kScaleMode);
  WriteCurrency(bag, "Value", value_, Currency());
  bag.WriteBool("Vertical", vertical_, false);
}

void MProgress::Show() {
  ProgressSurface& face = window_.Face();
  ProgressSurface& bar = window_.Bar();
  face.SetBackColour(back_color_);
  bar.SetBackColour(fore_color_);
  face.SetTextColour(fore_color_);
  bar.SetTextColour(back_color_);
  face.SetFont(font_);
  bar.SetFont(font_);
  CacheDifferences();
  inset_ = Inset(border_style_);
  BuildCaption();
  SizeChanged();
}

void MProgress::CacheDifferences() {
  value_offset_ = CurrencySub(value_, min_);
  value_range_ = CurrencySub(max_, min_);
}

std::uint8_t MProgress::Inset(std::int32_t border_style) const {
  return border_style >= 0 && border_style <= 2 ? 1 : 0;
}

void MProgress::SetBackColor(Colour value) {
  back_color_ = value;
  window_.Bar().SetTextColour(value);
  window_.Face().SetBackColour(value);
  Notify("BackColor");
  DrawFades();
}

void MProgress::SetForeColor(Colour value) {
  fore_color_ = value;
  window_.Face().SetTextColour(value);
  window_.Bar().SetBackColour(value);
  Notify("ForeColor");
  DrawFades();
}

void MProgress::SetBlend(std::int32_t value) {
  blend_ = value;
  Notify("Blend");
  DrawFades();
}

void MProgress::SetBorderStyle(std::int32_t value) {
  border_style_ = value > 6 ? 6 : value;
  Notify("BorderStyle");
  inset_ = Inset(border_style_);
  SizeChanged();
  window_.Repaint();
}

void MProgress::CaptionSetter(std::string& field, const std::string& value, std::string_view key) {
  field = value;
  Notify(key);
  BuildCaption();
  caption_stale_ = true;
  if (!manual_refresh_) PaintBar();
}

void MProgress::SetCaption(const std::string& value) { CaptionSetter(caption_, value, "PercentBefore"); }

void MProgress::SetCaption2(const std::string& value) { CaptionSetter(caption2_, value, "PercentAfter"); }

void MProgress::SetCustomCaption(const std::string& value) {
  CaptionSetter(custom_caption_, value, "CustomText");
}

void MProgress::SetShowCustomCaption(bool value) {
  show_custom_caption_ = value;
  Notify("Custom");
  if (!manual_refresh_) PaintBar();
}

void MProgress::SetDirection(std::int32_t value) {
  direction_ = value;
  switch (value) {
    case 0: reverse_ = false; vertical_ = false; break;
    case 1: reverse_ = true; vertical_ = true; break;
    case 2: reverse_ = true; vertical_ = false; break;
    case 3: reverse_ = false; vertical_ = true; break;
    default: break;
  }
  IgnoringErrors([&] { Notify("Direction"); });
  IgnoringErrors([&] { Notify("Reverse"); });
  IgnoringErrors([&] { Notify("Vertical"); });
  caption_stale_ = true;
  if (!manual_refresh_) {
    Refresh();
    IgnoringErrors([&] { PaintBar(); });
  }
}

void MProgress::SetDisablePercent(bool value) {
  disable_percent_ = value;
  Notify("NoPercent");
  // Emptied at once, so the next Refresh of a manual bar drops the old percentage too.
  caption_text_.clear();
  caption_stale_ = true;
  if (!manual_refresh_) PaintBar();
}

void MProgress::SetFade(std::int32_t value) {
  fade_ = ToByte(value, "MProgress::Fade");
  Notify("Fade");
  DrawFades();
}

void MProgress::SetFadeBG1(Colour value) {
  fade_bg1_ = value;
  Notify("FadeBG1");
  DrawFades();
}

void MProgress::SetFadeBG2(Colour value) {
  fade_bg2_ = value;
  Notify("FadeBG2");
  DrawFades();
}

void MProgress::SetFadeFG1(Colour value) {
  fade_fg1_ = value;
  Notify("FadeFG1");
  DrawFades();
}

void MProgress::SetFadeFG2(Colour value) {
  fade_fg2_ = value;
  Notify("FadeFG2");
  DrawFades();
}

void MProgress::SetFadeStyle(std::int32_t value) {
  if (value < 0) throw ControlError(error_number::kOverflow, "MProgress::FadeStyle");
  fade_style_ = value > 1 ? 1 : std::uint8_t(value);
  Notify("FadeStyle");
  DrawFades();
}

void MProgress::SetFont(const FontDescription& value) {
  font_ = value;
  window_.Face().SetFont(font_);
  window_.Bar().SetFont(font_);
  Notify("Font");
  caption_stale_ = true;
  if (!manual_refresh_) PaintBar();
}

void MProgress::FontScaleChanged() {
  window_.Face().SetFont(font_);
  window_.Bar().SetFont(font_);
  caption_stale_ = true;
  if (!manual_refresh_) PaintBar();
}

void MProgress::SetManualRefresh(bool value) {
  manual_refresh_ = value;
  Notify("ManualRefresh");
}

void MProgress::SetMax(Currency value) {
  const Currency lowest = CurrencyAdd(min_, kCurrencyOne);
  if (value < lowest) value = lowest;
  max_ = value;
  Notify("Max");
  if (value_ > max_) value_ = max_;
  CacheDifferences();
  if (!manual_refresh_) {
    Refresh();
    PaintBar();
  }
}

void MProgress::SetMin(Currency value) {
  const Currency highest = CurrencySub(max_, kCurrencyOne);
  if (value > highest) value = highest;
  min_ = value;
  Notify("Min");
  if (value_ < min_) value_ = min_;
  CacheDifferences();
  if (!manual_refresh_) {
    Refresh();
    PaintBar();
  }
}

namespace {

std::uint8_t WholePercent(Currency offset, Currency range) {
  if (range.Scaled() == 0) throw ControlError(error_number::kDivisionByZero, kSource);
  const double percent = std::trunc(offset.ToDouble() / range.ToDouble() * 100);
  if (!(percent >= 0 && percent <= 255)) throw ControlError(error_number::kOverflow, kSource);
  return static_cast<std::uint8_t>(percent);
}

}  // namespace

void MProgress::SetValue(Currency value) {
  // Fields are read afresh after every event: a handler may have set them again.
  if (value < min_) value = min_;
  if (value > max_) value = max_;
  if (value == value_) {
    IgnoringErrors([&] { Notify("Value"); });
    return;
  }
  value_ = value;
  IgnoringErrors([&] { value_offset_ = CurrencySub(value_, min_); });
  IgnoringErrors([&] { value_range_ = CurrencySub(max_, min_); });
  IgnoringErrors([&] { percent_ = WholePercent(value_offset_, value_range_); });
  IgnoringErrors([&] { Notify("Value"); });
  if (!manual_refresh_) Refresh();
  if (percent_ != last_percent_) {
    last_percent_ = percent_;
    if (!manual_refresh_ && !disable_percent_) IgnoringErrors([&] { PaintBar(); });
    IgnoringErrors([&] { host_.Change(); });
  }
  if (value_ == max_ || value_ == min_) {
    if (!manual_refresh_) IgnoringErrors([&] { PaintBar(); });
    IgnoringErrors([&] { host_.Change(); });
  }
}

void MProgress::SetPercent(std::int32_t) {
  throw ControlError(host_.DesignMode() ? error_number::kSetNotSupportedAtRunTime
                                        : error_number::kGetNotSupportedAtRunTime,
                     "MProgress::Percent");
}

void MProgress::SetAlignment(std::int32_t value) {
  alignment_ = ToByte(value, "MProgress::Alignment");
  Notify("PercentAlign");
  caption_stale_ = true;
  if (!manual_refresh_) PaintBar();
}

void MProgress::SetScaleMode(std::int32_t value) {
  scale_mode_ = ToInt16(value, "MProgress::ScaleMode");
  window_.SetScaleMode(scale_mode_);
  Notify("ScaleMode");
}

const ProgressMemberInfo* ProgressMembers(std::size_t& count) {
  static constexpr ProgressMemberInfo kMembers[] = {
      {"Alignment", ""},
      {"BackColor", "Sets object's background color."},
      {"Blend", ""},
      {"BorderStyle", "Sets object's borderstyle."},
      {"Caption", ""},
      {"Caption2", ""},
      {"CustomCaption", "Sets object's custom \"Done!\" text."},
      {"Direction", ""},
      {"DisablePercent", ""},
      {"Fade", "Show colorfade?"},
      {"FadeBG1", "Sets object's fade color one for background."},
      {"FadeBG2", "Sets object's fade color two for background."},
      {"FadeFG1", "Sets object's fade color one for foreground."},
      {"FadeFG2", "Sets object's fade color two for foreground."},
      {"FadeStyle", "Sets object's color fading style."},
      {"Font", "Sets object's font."},
      {"ForeColor", "Sets object's foreground color."},
      {"ManualRefresh", "Refresh must be invoked manually through code?"},
      {"Max", "Sets object's max value."},
      {"Min", "Sets object's minimal value."},
      {"Percent", "Returns percent value."},
      {"ScaleMode", "Returns/sets object's scalemode."},
      {"ShowCustomCaption", ""},
      {"Value", "Sets object's position value."},
      {"Refresh", "Refresh object."},
      {"SetParent", "Sets object's parent."},
      {"BarResize", "Occurs when the progress bar of a control has resized."},
      {"Change", "Occurs when the contents of a control have changed."},
      {"Click", "Occurs when the user presses the mouse button."},
      {"KeyDown", "Occurs when the user presses a key while an object has the focus."},
      {"KeyPress", "Occurs when the user presses and releases an ANSI key."},
      {"KeyUp", "Occurs when the user releases a key while an object has the focus."},
      {"MouseDown", "Occurs when the user presses the mouse button while an object has the focus."},
      {"MouseMove", "Occurs when the user moves the mouse."},
      {"MouseUp", "Occurs when the user releases the mouse button while an object has the focus."},
      {"Resize", "Occurs when the size of a control has changed."},
  };
  count = std::size(kMembers);
  return kMembers;
}

}  // namespace hushwall
