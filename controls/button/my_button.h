#pragma once
// The skinned push button: its properties and persisted set, its input state
// machine and its painting routine. It draws on the canvas of its ButtonWindow and
// talks to its ButtonHost; neither knows anything of Windows here.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "controls/button/button_interfaces.h"
#include "controls/button/button_types.h"
#include "controls/host/accessible.h"
#include "platform/font_description.h"
#include "platform/picture.h"
#include "platform/property_bag.h"

namespace hushwall {

inline constexpr const char* kDefaultSkinName = "MyButtonDefSkin";

class MyButton {
 public:
  MyButton(ButtonHost& host, ButtonWindow& window);
  MyButton(const MyButton&) = delete;
  MyButton& operator=(const MyButton&) = delete;

  // A button newly placed on a window.
  void InitProperties();
  // A button with a persisted set: values stored directly, nothing painted or reported
  // (except "MouseIcon"). Throws ControlError for a value of the wrong kind or range.
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  // Splits an RGB value into its bytes.
  static void GetRgb(std::int32_t color, std::int16_t& r, std::int16_t& g, std::int16_t& b);

  std::int32_t SizeCW() const { return size_cw_; }
  void SetSizeCW(std::int32_t value);
  std::int32_t SizeCH() const { return size_ch_; }
  void SetSizeCH(std::int32_t value);
  const std::shared_ptr<HostedControl>& SkinPicture() const { return skin_picture_; }
  // Throws ControlError 5 for something that is not a picture box.
  void SetSkinPicture(std::shared_ptr<HostedControl> picture_box);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  const std::string& SkinPictureName() const { return skin_picture_name_; }
  // Never throws: a name that finds no picture box changes nothing.
  void SetSkinPictureName(const std::string& value);
  bool FillWithColor() const { return fill_with_color_; }
  void SetFillWithColor(bool value);
  void Refresh();
  std::uintptr_t hwnd() const { return window_.WindowHandle(); }
  bool Enabled() const { return window_.Enabled(); }
  void SetEnabled(bool value);
  Colour TextColorEnabled() const { return text_color_enabled_; }
  void SetTextColorEnabled(Colour value);
  Colour TextColorDisabled() const { return text_color_disabled_; }
  void SetTextColorDisabled(Colour value);
  const FontDescription& Font() const { return font_; }
  void SetFont(const FontDescription& value);
  bool FontUnderline() const { return font_.underline; }
  void SetFontUnderline(bool value);
  bool FontStrikethru() const { return font_.strikethrough; }
  void SetFontStrikethru(bool value);
  float FontSize() const { return font_.size; }
  void SetFontSize(float value);
  const std::string& FontName() const { return font_.name; }
  void SetFontName(const std::string& value);
  bool FontItalic() const { return font_.italic; }
  void SetFontItalic(bool value);
  bool FontBold() const { return font_.bold; }
  void SetFontBold(bool value);
  std::int32_t MousePointer() const { return mouse_pointer_; }
  // Throws ControlError 6 outside the signed 16-bit range.
  void SetMousePointer(std::int32_t value);
  const PictureRef& MouseIcon() const { return mouse_icon_; }
  void SetMouseIcon(PictureRef value);
  bool DisableHover() const { return disable_hover_; }
  void SetDisableHover(bool value);
  std::int16_t DisplaceText() const { return displace_text_; }
  void SetDisplaceText(std::int16_t value);
  std::int16_t DrawFocus() const { return draw_focus_; }
  void SetDrawFocus(std::int16_t value);
  Colour TextColorDisabled2() const { return text_color_disabled2_; }
  void SetTextColorDisabled2(Colour value);
  const PictureRef& Picture() const { return picture_; }
  void SetPicture(PictureRef value);
  std::int32_t PicturePos() const { return picture_pos_; }
  // Throws ControlError 6 outside the signed 16-bit range.
  void SetPicturePos(std::int32_t value);
  Colour PictureTColor() const { return picture_tcolor_; }
  void SetPictureTColor(Colour value);
  std::int32_t TextAlign() const { return text_align_; }
  void SetTextAlign(std::int32_t value);
  Colour BackColor() const { return back_color_; }
  void SetBackColor(Colour value);
  const std::string& AccessKey() const { return access_key_; }

  // Input from the platform.
  void FocusGained();
  void FocusLost();
  void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
  void DoubleClick();
  // A press that comes from neither key nor mouse (a screen reader's default action):
  // the space bar's looks and one Click, no key events; nothing when disabled.
  void Press();
  void KeyDown(std::int16_t key_code, std::int16_t shift);
  void KeyPress(std::int16_t key_ascii);
  void KeyUp(std::int16_t key_code, std::int16_t shift);
  void RepaintRequested() { Refresh(); }
  void SizeChanged() { Refresh(); }
  // Every showing looks the skin up again by its stored name.
  void Shown();

  // Paints the whole button in a state; never throws.
  void PaintState(std::int16_t state);
  bool HitTest(float x, float y) const;

  std::int16_t DrawnState() const { return drawn_state_; }
  bool HasFocus() const { return has_focus_; }
  bool LeftPressed() const { return left_pressed_; }
  bool SpacePressed() const { return space_pressed_; }

 private:
  void Report(std::string_view key) { host_.PropertyChanged(key); }
  void FontChanged();
  // The steps of PaintState after the early return; any throw is a failed drawing.
  void Draw(ButtonCanvas& canvas, std::int16_t state);
  void DrawSkin(ButtonCanvas& canvas, SkinPictureBox& skin, std::int16_t state, std::int32_t w,
                std::int32_t h);
  void DrawCaptionAndPicture(ButtonCanvas& canvas, std::int16_t state, std::int32_t w,
                             std::int32_t h, std::uint32_t format);
  void DrawCaption(ButtonCanvas& canvas, std::int16_t state, const Rect& rect, bool draw,
                   std::uint32_t format);
  // A handler may destroy the button; these tell whether it still exists afterwards.
  std::weak_ptr<int> LifeToken() const { return life_; }

  ButtonHost& host_;
  ButtonWindow& window_;
  std::shared_ptr<int> life_ = std::make_shared<int>(0);

  std::int32_t size_cw_ = 3;
  std::int32_t size_ch_ = 3;
  std::shared_ptr<HostedControl> skin_picture_;
  std::shared_ptr<SkinPictureBox> skin_;  // the same object, as a picture box
  std::string skin_picture_name_;
  std::string text_;
  bool fill_with_color_ = true;
  Colour text_color_enabled_ = 0;
  Colour text_color_disabled_ = 0;
  Colour text_color_disabled2_ = 0;
  FontDescription font_;
  std::int16_t mouse_pointer_ = 0;
  PictureRef mouse_icon_;
  bool disable_hover_ = false;
  std::int16_t displace_text_ = 0;
  std::int16_t draw_focus_ = 0;
  PictureRef picture_;
  std::int16_t picture_pos_ = 0;
  Colour picture_tcolor_ = kMagenta;
  std::int32_t text_align_ = 2;
  Colour back_color_ = kButtonFace;
  std::string access_key_;

  std::int16_t drawn_state_ = 0;
  bool has_focus_ = false;
  bool left_pressed_ = false;
  bool space_pressed_ = false;
};

// The button as a screen reader sees it; `visible` is its window's visibility.
AccessibleFacts ReaderFacts(const MyButton& button, bool visible);

// The members a property browser shows: name, published description and group.
struct ButtonMemberInfo {
  const char* name;
  const char* description;  // "" when none is published
  const char* category;     // such as ";Appearance", "" for none
};
const ButtonMemberInfo* ButtonMembers(std::size_t& count);

}  // namespace hushwall
