#pragma once
// Recording stand-ins for what surrounds a skinned button: a skin picture box with
// computed pixels, a canvas that logs every drawing call, a window and a host that
// log into one journal so that orders can be compared.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/button/button_interfaces.h"

namespace hushwall::testing {

using Journal = std::vector<std::string>;

class FakeSkin : public SkinPictureBox {
 public:
  FakeSkin(std::string name, std::int32_t width, std::int32_t height)
      : name_(std::move(name)), width_(width), height_(height) {}
  std::string TypeName() const override { return type_name; }
  std::string Name() const override { return name_; }
  void UsePixelScale() override { Check(); pixel_scale = true; }
  std::int32_t ScaleWidth() override { Check(); return width_; }
  std::int32_t ScaleHeight() override { Check(); return height_; }
  // Every pixel has its own colour, so a test can tell which one was read.
  Rgb Point(std::int32_t x, std::int32_t y) override {
    Check();
    points_read.push_back({x, y});
    return PixelColour(x, y);
  }
  static Rgb PixelColour(std::int32_t x, std::int32_t y) {
    return (std::uint32_t(x & 0xFFF) << 12) | std::uint32_t(y & 0xFFF);
  }

  std::string type_name = "PictureBox";
  bool answers = true;
  bool pixel_scale = false;
  std::vector<std::pair<std::int32_t, std::int32_t>> points_read;

 private:
  void Check() const {
    if (!answers) throw std::runtime_error("the picture box no longer answers");
  }
  std::string name_;
  std::int32_t width_;
  std::int32_t height_;
};

// Any control of another kind, such as a label.
class FakeControl : public HostedControl {
 public:
  FakeControl(std::string type, std::string name) : type_(std::move(type)), name_(std::move(name)) {}
  std::string TypeName() const override { return type_; }
  std::string Name() const override { return name_; }

 private:
  std::string type_;
  std::string name_;
};

class FakePicture : public Picture {
 public:
  FakePicture(PictureKind kind, std::int32_t width_himetric, std::int32_t height_himetric,
              std::string source = "pic")
      : kind_(kind), width_(width_himetric), height_(height_himetric), source_(std::move(source)) {}
  // A picture of whole pixels at 96 dots per inch.
  static std::shared_ptr<FakePicture> Pixels(std::int32_t w, std::int32_t h,
                                             PictureKind kind = PictureKind::kBitmap) {
    return std::make_shared<FakePicture>(kind, w * 2540 / 96, h * 2540 / 96);
  }
  PictureKind Kind() const override { return kind_; }
  std::int32_t WidthHiMetric() const override { return width_; }
  std::int32_t HeightHiMetric() const override { return height_; }
  std::string Source() const override { return source_; }

 private:
  PictureKind kind_;
  std::int32_t width_;
  std::int32_t height_;
  std::string source_;
};

enum class Op { kFill, kCopy, kKeyedCopy, kText, kPicture, kDisabledPicture, kFocusRect, kPresent };

struct CanvasCall {
  Op op;
  Rect rect = {};        // fill, text and focus rectangles; copies as (x, y, x + w, y + h)
  std::int32_t sx = 0;   // copies: source position
  std::int32_t sy = 0;
  std::uint32_t colour = 0;  // fill colour, key, or text colour at the time of drawing
  std::string text = {};
  std::uint32_t format = 0;
};

class RecordingCanvas : public ButtonCanvas {
 public:
  RecordingCanvas(double width, double height) : width(width), height(height) {}

  double ScaleWidth() override { return width; }
  double ScaleHeight() override { return height; }
  double LineHeight() override { return line_height; }
  double HiMetricToPixelsX(double himetric) override { return himetric * 96 / 2540; }
  double HiMetricToPixelsY(double himetric) override { return himetric * 96 / 2540; }
  // System colour n becomes the grey n, n, n.
  Rgb TranslateColour(Colour colour) override {
    return colour & 0x80000000u ? (colour & 0xFF) * 0x010101u : colour;
  }
  Colour TextColour() override { return text_colour; }
  void SetTextColour(Colour colour) override { text_colour = colour; }

  void Fill(const Rect& rect, Rgb colour) override { Record({Op::kFill, rect, 0, 0, colour}); }
  void Copy(SkinPictureBox&, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
            std::int32_t sx, std::int32_t sy) override {
    Record({Op::kCopy, {x, y, x + w, y + h}, sx, sy});
  }
  void KeyedCopy(SkinPictureBox&, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                 std::int32_t sx, std::int32_t sy, Colour key) override {
    Record({Op::kKeyedCopy, {x, y, x + w, y + h}, sx, sy, key});
  }
  void DrawCaption(std::string_view text, const Rect& rect, std::uint32_t format) override {
    Record({Op::kText, rect, 0, 0, text_colour, std::string(text), format});
  }
  void DrawPicture(const Picture&, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                   Colour key) override {
    Record({Op::kPicture, {x, y, x + w, y + h}, 0, 0, key});
  }
  void DrawDisabledPicture(const Picture&, std::int32_t x, std::int32_t y, std::int32_t w,
                           std::int32_t h, Colour key) override {
    Record({Op::kDisabledPicture, {x, y, x + w, y + h}, 0, 0, key});
  }
  void FocusRect(const Rect& rect) override { Record({Op::kFocusRect, rect}); }
  void Present() override {
    Record({Op::kPresent});
    if (on_present) on_present();
  }

  std::vector<CanvasCall> Calls(Op op) const {
    std::vector<CanvasCall> found;
    for (const CanvasCall& call : calls) {
      if (call.op == op) found.push_back(call);
    }
    return found;
  }

  double width;
  double height;
  double line_height = 13;
  Colour text_colour = 0x80000012;
  std::vector<CanvasCall> calls;
  // Throws from the drawing call with this index (0-based), to exercise failures.
  int fail_at = -1;
  std::function<void()> on_present;

 private:
  void Record(CanvasCall call) {
    if (int(calls.size()) == fail_at) throw std::runtime_error("drawing call failed");
    calls.push_back(std::move(call));
  }
};

class FakeWindow : public ButtonWindow {
 public:
  FakeWindow(Journal& journal, double width, double height) : canvas(width, height), journal_(journal) {}
  ButtonCanvas& Canvas() override { return canvas; }
  std::uintptr_t WindowHandle() override { return 0x1234; }
  bool Enabled() override { return enabled; }
  void SetEnabled(bool value) override { enabled = value; }
  void SetCaption(const std::string& text) override { caption = text; }
  void SetFont(const FontDescription& value) override { font = value; }
  void SetPointer(std::int16_t value, const PictureRef& icon) override {
    pointer = value;
    pointer_icon = icon;
  }
  void Capture() override {
    captured = true;
    journal_.push_back("capture");
  }
  void ReleaseCapture() override {
    captured = false;
    journal_.push_back("release");
  }

  RecordingCanvas canvas;
  bool enabled = true;
  std::string caption;
  FontDescription font;
  std::int16_t pointer = 0;
  PictureRef pointer_icon;
  bool captured = false;

 private:
  Journal& journal_;
};

class RecordingHost : public ButtonHost {
 public:
  explicit RecordingHost(Journal& journal) : journal_(journal) {}

  std::shared_ptr<HostedControl> FindControl(const std::string& name) override {
    if (!has_controls) throw std::runtime_error("no controls collection");
    auto found = controls.find(name);
    return found == controls.end() ? nullptr : found->second;
  }
  FontDescription AmbientFont() override { return ambient_font; }
  std::string ControlName() override { return control_name; }
  void PropertyChanged(std::string_view key) override {
    reports.emplace_back(key);
    journal_.push_back("report " + std::string(key));
  }

  void Click() override { Log("Click"); if (on_click) on_click(); }
  void MouseHover() override { Log("MouseHover"); }
  void MouseOut() override { Log("MouseOut"); }
  void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
    Log("MouseDown");
    if (on_mouse_down) on_mouse_down(button, shift, x, y);
  }
  void MouseMove(std::int16_t&, std::int16_t&, float&, float&) override { Log("MouseMove"); }
  void MouseUp(std::int16_t&, std::int16_t&, float&, float&) override { Log("MouseUp"); }
  void KeyPress(std::int16_t&) override { Log("KeyPress"); }
  void KeyDown(std::int16_t& key_code, std::int16_t&) override {
    Log("KeyDown");
    if (on_key_down) on_key_down(key_code);
  }
  void KeyUp(std::int16_t&, std::int16_t&) override { Log("KeyUp"); }

  std::map<std::string, std::shared_ptr<HostedControl>> controls;
  bool has_controls = true;
  FontDescription ambient_font{"Tahoma", 9};
  std::string control_name = "cmdTest";
  std::vector<std::string> reports;
  std::function<void()> on_click;
  std::function<void(std::int16_t&, std::int16_t&, float&, float&)> on_mouse_down;
  std::function<void(std::int16_t&)> on_key_down;

 private:
  void Log(const char* event) { journal_.push_back(event); }
  Journal& journal_;
};

}  // namespace hushwall::testing
