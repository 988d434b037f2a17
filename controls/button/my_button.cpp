#include "controls/button/my_button.h"

#include <utility>

#include "platform/control_error.h"
#include "platform/numeric.h"

namespace hushwall {

MyButton::MyButton(ButtonHost& host, ButtonWindow& window) : host_(host), window_(window) {}

void MyButton::InitProperties() {
  size_cw_ = 3;
  size_ch_ = 3;
  text_ = host_.ControlName();
  window_.SetCaption(text_);
  fill_with_color_ = true;
  text_color_enabled_ = 0;
  text_color_disabled_ = 0;
  text_color_disabled2_ = 0;
  font_ = host_.AmbientFont();
  window_.SetFont(font_);
  draw_focus_ = 0;
  displace_text_ = 0;
  disable_hover_ = false;
  picture_.reset();
  picture_pos_ = 0;
  picture_tcolor_ = kMagenta;
  skin_picture_name_ = kDefaultSkinName;
  text_align_ = 2;
}

void MyButton::ReadProperties(const PropertyBag& bag) {
  size_cw_ = bag.ReadInt32("SizeCW", 3);
  size_ch_ = bag.ReadInt32("SizeCH", 3);
  skin_picture_name_ = bag.ReadText("SPN", "");
  text_ = bag.ReadText("Text", "");
  window_.SetCaption(text_);
  fill_with_color_ = bag.ReadBool("FillWithColor", true);
  window_.SetEnabled(bag.ReadBool("Enabled", true));
  access_key_ = bag.ReadText("AccessKey", "");
  text_color_enabled_ = bag.ReadColour("TextColorEnabled", 0);
  text_color_disabled_ = bag.ReadColour("TextColorDisabled", 0);
  font_ = bag.ReadFont("Font", host_.AmbientFont());
  window_.SetFont(font_);
  mouse_pointer_ = bag.ReadInt16("MousePointer", 0);
  window_.SetPointer(mouse_pointer_, mouse_icon_);
  SetMouseIcon(bag.ReadPicture("MouseIcon", nullptr));
  disable_hover_ = bag.ReadBool("DisableHover", false);
  displace_text_ = bag.ReadInt16("DisplaceText", 0);
  draw_focus_ = bag.ReadInt16("DrawFocus", 0);
  text_color_disabled2_ = bag.ReadColour("TextColorDisabled2", 0);
  picture_ = bag.ReadPicture("Picture", nullptr);
  picture_pos_ = bag.ReadInt16("PicturePos", 0);
  picture_tcolor_ = bag.ReadColour("PictureTColor", kMagenta);
  text_align_ = bag.ReadInt32("TextAlign", 2);
  back_color_ = bag.ReadColour("BackColor", kButtonFace);
}

namespace {

// The persisted keys, in the order they are read and written.
constexpr const char* kPersistedKeys[] = {
    "SizeCW", "SizeCH", "SPN", "Text", "FillWithColor", "Enabled", "AccessKey",
    "TextColorEnabled", "TextColorDisabled", "Font", "MousePointer", "MouseIcon",
    "DisableHover", "DisplaceText", "DrawFocus", "TextColorDisabled2", "Picture",
    "PicturePos", "PictureTColor", "TextAlign", "BackColor",
};

}  // namespace

void MyButton::WriteProperties(PropertyBag& bag) const {
  // A bag that held the set already would keep its old places and spellings.
  for (const char* key : kPersistedKeys) bag.Remove(key);
  bag.WriteInteger("SizeCW", size_cw_, 3);
  bag.WriteInteger("SizeCH", size_ch_, 3);
  bag.WriteText("SPN", skin_picture_name_, "");
  bag.WriteText("Text", text_, "");
  bag.WriteBool("FillWithColor", fill_with_color_, true);
  bag.WriteBool("Enabled", window_.Enabled(), true);
  bag.WriteText("AccessKey", access_key_, "");
  bag.WriteColour("TextColorEnabled", text_color_enabled_, 0);
  bag.WriteColour("TextColorDisabled", text_color_disabled_, 0);
  bag.WriteFont("Font", font_, host_.AmbientFont());
  bag.WriteInteger("MousePointer", mouse_pointer_, 0);
  bag.WritePicture("MouseIcon", mouse_icon_, nullptr);
  bag.WriteBool("DisableHover", disable_hover_, false);
  bag.WriteInteger("DisplaceText", displace_text_, 0);
  bag.WriteInteger("DrawFocus", draw_focus_, 0);
  bag.WriteColour("TextColorDisabled2", text_color_disabled2_, 0);
  bag.WritePicture("Picture", picture_, nullptr);
  bag.WriteInteger("PicturePos", picture_pos_, 0);
  bag.WriteColour("PictureTColor", picture_tcolor_, kMagenta);
  bag.WriteInteger("TextAlign", text_align_, 2);
  bag.WriteColour("BackColor", back_color_, kButtonFace);
}

void MyButton::GetRgb(std::int32_t color, std::int16_t& r, std::int16_t& g, std::int16_t& b) {
  // Division truncates toward zero, as the integer division of the language does.
  r = static_cast<std::int16_t>(color & 255);
  g = static_cast<std::int16_t>((color / 256) & 255);
  b = static_cast<std::int16_t>((color / 65536) & 255);
}

void MyButton::SetSizeCW(std::int32_t value) {
  size_cw_ = value;
  Report("SizeCW");
  Refresh();
}

void MyButton::SetSizeCH(std::int32_t value) {
  size_ch_ = value;
  Report("SizeCH");
  Refresh();
}

void MyButton::SetSkinPicture(std::shared_ptr<HostedControl> picture_box) {
  std::shared_ptr<SkinPictureBox> skin;
  std::string name;
  if (picture_box) {
    skin = std::dynamic_pointer_cast<SkinPictureBox>(picture_box);
    if (picture_box->TypeName() != "PictureBox" || !skin) {
      throw ControlError(error_number::kInvalidArgument, "MyButton::SkinPicture");
    }
    name = picture_box->Name();
  }
  skin_picture_ = std::move(picture_box);
  skin_ = std::move(skin);
  skin_picture_name_ = std::move(name);
  Refresh();
  Report("SPN");
}

void MyButton::SetText(const std::string& value) {
  text_ = value;
  window_.SetCaption(text_);
  Refresh();
  Report("Text");
  // Every qualifying marker takes over the key; a final "&" has nothing to mark.
  for (std::size_t i = 0; i + 1 < text_.size(); ++i) {
    const char marked = text_[i + 1];
    if (text_[i] == '&' && marked != ' ' && marked != '&') {
      access_key_ = std::string(1, marked);
      Report("AccessKey");
    }
  }
}

void MyButton::SetSkinPictureName(const std::string& value) {
  try {
    if (value.empty()) {
      skin_picture_.reset();
      skin_.reset();
      Refresh();
    } else {
      std::shared_ptr<HostedControl> control = host_.FindControl(value);
      if (!control) return;
      SetSkinPicture(std::move(control));
    }
  } catch (const std::exception&) {
    return;
  }
  Report("SPN");
}

void MyButton::SetFillWithColor(bool value) {
  fill_with_color_ = value;
  Refresh();
  Report("FillWithColor");
}

void MyButton::Refresh() {
  if (drawn_state_ < kNormal || drawn_state_ > kDisabled) drawn_state_ = kNormal;
  PaintState(window_.Enabled() ? drawn_state_ : std::int16_t(kDisabled));
}

void MyButton::SetEnabled(bool value) {
  window_.SetEnabled(value);
  PaintState(value ? kNormal : kDisabled);
  Report("Enabled");
}

void MyButton::SetTextColorEnabled(Colour value) {
  text_color_enabled_ = value;
  Refresh();
  Report("TextColorEnabled");
}

void MyButton::SetTextColorDisabled(Colour value) {
  text_color_disabled_ = value;
  Refresh();
  Report("TextColorDisabled");
}

void MyButton::FontChanged() {
  window_.SetFont(font_);
  Refresh();
  Report("Font");
}

void MyButton::SetFont(const FontDescription& value) {
  font_ = value;
  FontChanged();
}

void MyButton::SetFontUnderline(bool value) {
  font_.underline = value;
  FontChanged();
}

void MyButton::SetFontStrikethru(bool value) {
  font_.strikethrough = value;
  FontChanged();
}

void MyButton::SetFontSize(float value) {
  font_.size = value;
  FontChanged();
}

void MyButton::SetFontName(const std::string& value) {
  font_.name = value;
  FontChanged();
}

void MyButton::SetFontItalic(bool value) {
  font_.italic = value;
  FontChanged();
}

void MyButton::SetFontBold(bool value) {
  font_.bold = value;
  FontChanged();
}

void MyButton::SetMousePointer(std::int32_t value) {
  mouse_pointer_ = ToInt16(value, "MyButton::MousePointer");
  window_.SetPointer(mouse_pointer_, mouse_icon_);
  Report("MousePointer");
}

void MyButton::SetMouseIcon(PictureRef value) {
  mouse_icon_ = std::move(value);
  window_.SetPointer(mouse_pointer_, mouse_icon_);
  Report("MouseIcon");
}

void MyButton::SetDisableHover(bool value) {
  disable_hover_ = value;
  Report("DisableHover");
}

void MyButton::SetDisplaceText(std::int16_t value) {
  displace_text_ = value;
  Report("DisplaceText");
}

void MyButton::SetDrawFocus(std::int16_t value) {
  draw_focus_ = value;
  Report("DrawFocus");
}

void MyButton::SetTextColorDisabled2(Colour value) {
  text_color_disabled2_ = value;
  Refresh();
  Report("TextColorDisabled2");
}

void MyButton::SetPicture(PictureRef value) {
  picture_ = std::move(value);
  Refresh();
  Report("Picture");
}

void MyButton::SetPicturePos(std::int32_t value) {
  picture_pos_ = ToInt16(value, "MyButton::PicturePos");
  Refresh();
  Report("PicturePos");
}

void MyButton::SetPictureTColor(Colour value) {
  picture_tcolor_ = value;
  Refresh();
  Report("PictureTColor");
}

void MyButton::SetTextAlign(std::int32_t value) {
  text_align_ = value;
  Refresh();
  Report("TextAlign");
}

void MyButton::SetBackColor(Colour value) {
  back_color_ = value;
  Refresh();
  Report("BackColor");
}

void MyButton::Shown() { SetSkinPictureName(std::string(skin_picture_name_)); }

AccessibleFacts ReaderFacts(const MyButton& button, bool visible) {
  AccessibleFacts facts;
  facts.role = reader_role::kPushButton;
  facts.name = NameFromCaption(button.Text());
  facts.shortcut = ShortcutFromKey(button.AccessKey());
  facts.default_action = "Press";
  facts.states = ReaderStates({visible, button.Enabled(), true, button.HasFocus(),
                               button.DrawnState() == kPressed});
  return facts;
}

const ButtonMemberInfo* ButtonMembers(std::size_t& count) {
  static constexpr ButtonMemberInfo kMembers[] = {
      {"GetRgb", "", ""},
      {"SizeCW", "Corner width.", ";Position"},
      {"SizeCH", "Corner height.", ";Position"},
      {"SkinPicture", "Reference to picture box object.", ""},
      {"Text", "Button text.", ";Text"},
      {"SkinPictureName", "Allows you to set reference at design time.", ";Appearance"},
      {"FillWithColor", "Middle area of button is filled with color if true or tiled with skin.",
       ";Appearance"},
      {"Refresh", "", ""},
      {"hwnd", "Returns a handle (from Microsoft Windows) to an object's window.", ""},
      {"Enabled",
       "Returns/sets a value that determines whether an object can respond to user-generated "
       "events.",
       ""},
      {"TextColorEnabled", "Color of text when its enabled.", ";Appearance"},
      {"TextColorDisabled", "Color of text when button is disabled", ";Appearance"},
      {"Font", "Returns a Font object.", ";Font"},
      {"FontUnderline", "Returns/sets underline font styles.", ";Font"},
      {"FontStrikethru", "Returns/sets strikethrough font styles.", ";Font"},
      {"FontSize",
       "Specifies the size (in points) of the font that appears in each row for the given level.",
       ";Font"},
      {"FontName",
       "Specifies the name of the font that appears in each row for the given level.", ";Font"},
      {"FontItalic", "Returns/sets italic font styles.", ";Font"},
      {"FontBold", "Returns/sets bold font styles.", ";Font"},
      {"MousePointer",
       "Returns/sets the type of mouse pointer displayed when over part of an object.", ""},
      {"MouseIcon", "Sets a custom mouse icon.", ""},
      {"DisableHover", "", ";Behavior"},
      {"DisplaceText", "Displaces text when button is down.", ";Behavior"},
      {"DrawFocus", "Draws focus.", ";Appearance"},
      {"TextColorDisabled2", "Color of text when button is disabled that make it looks grayed.",
       ";Appearance"},
      {"Picture", "", ";Appearance"},
      {"PicturePos", "", ";Appearance"},
      {"PictureTColor", "", ";Appearance"},
      {"TextAlign", "", ";Appearance"},
      {"BackColor",
       "Returns/sets the background color used to display text and graphics in an object.",
       ";Appearance"},
      {"Click", "Occurs when the user presses and then releases a mouse button over an object.", ""},
  };
  count = std::size(kMembers);
  return kMembers;
}

}  // namespace hushwall
