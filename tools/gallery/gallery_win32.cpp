// A window of skinned buttons in every state and in the configurations worth
// looking at, for a person to check the button's looks by eye; with --progress, the
// same for the progress bar.
//
//   gallery.exe [--progress]                      shows the window
//   gallery.exe [--progress] --screenshot a.bmp   shows it, captures it from the screen, exits
//   gallery.exe --digests a.txt                    renders every control of both pages, writes
//                                                  one pixel digest a control, exits
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/button_win32.h"
#include "controls/host/control_host_win32.h"
#include "controls/host/picture_win32.h"
#include "platform/custom_control_win32.h"
#include "platform/dib_win32.h"
#include "platform/picture_box_win32.h"
#include "resources/button_ids.h"
#include "tools/gallery/progress_gallery_win32.h"

namespace hushwall {
namespace {

constexpr int kLabelWidth = 200;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;
constexpr int kGap = 10;
constexpr int kColumns = 5;
constexpr int kClientWidth = kGap + kLabelWidth + kColumns * (kButtonWidth + kGap);
constexpr COLORREF kKey = RGB(255, 0, 255);

// A 16 x 16 ball on the key colour: a bitmap picture keyed with PictureTColor.
COLORREF BallPixel(int x, int y) {
  const double d = std::hypot(x - 7.5, y - 7.5);
  if (d > 7.0) return kKey;
  if (d > 5.8) return RGB(20, 60, 120);
  const double light = std::hypot(x - 5.5, y - 5.0);
  return light < 2.5 ? RGB(220, 240, 255) : RGB(70, 150, 230);
}

HBITMAP BallBitmap() {
  DibSection ball = CreateTopDownDib(16, 16, 32);
  auto* pixels = static_cast<DWORD*>(ball.bits);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const COLORREF c = BallPixel(x, y);
      pixels[y * 16 + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  return ball.bitmap.Release();
}

// The same ball as an icon: the key colour becomes the transparent part.
HICON BallIcon() {
  HBITMAP colour = BallBitmap();
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mask);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) SetPixel(dc, x, y, BallPixel(x, y) == kKey ? RGB(255, 255, 255) : 0);
  }
  SelectObject(dc, colour);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (BallPixel(x, y) == kKey) SetPixel(dc, x, y, 0);
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

// One gallery button: what to set on it, and the state it is shown in.
struct Sample {
  const char* text;
  int state = 1;
  int height = kButtonHeight;
  int width = kButtonWidth;
  void (*configure)(MyButton&) = nullptr;
};

struct Row {
  const char* label;
  std::vector<Sample> samples;
};

PictureRef Ball() {
  static PictureRef ball = PictureFromBitmapHandle(Bitmap(BallBitmap()), "ball");
  return ball;
}

PictureRef BallIconPicture() {
  static PictureRef icon = PictureFromIconHandle(Icon(BallIcon()), "ball icon");
  return icon;
}

void Tiled(MyButton& b) { b.SetFillWithColor(false); }
// A back colour of its own shows the plain button's extent on the window.
void Plain(MyButton& b) {
  b.SetSkinPicture(nullptr);
  b.SetBackColor(RGB(222, 232, 246));
}
void Pressable(MyButton& b) { b.SetDisplaceText(1); }
void Engraved(MyButton& b) {
  b.SetTextColorDisabled(RGB(161, 161, 146));
  b.SetTextColorDisabled2(RGB(255, 255, 255));
}
void GreyOnly(MyButton& b) {
  b.SetTextColorDisabled(RGB(161, 161, 146));
  b.SetTextColorDisabled2(RGB(161, 161, 146));
}
void Focus3(MyButton& b) { b.SetDrawFocus(3); }
template <int Pos>
void IconAt(MyButton& b) {
  b.SetPicture(BallIconPicture());
  b.SetPicturePos(Pos);
}
void BallLeft(MyButton& b) {
  b.SetPicture(Ball());
  b.SetDisplaceText(1);
}
void BallAboveEngraved(MyButton& b) {
  Engraved(b);
  b.SetPicture(Ball());
  b.SetPicturePos(1);
}
void AlignLeft(MyButton& b) { b.SetTextAlign(0); }
void AlignRight(MyButton& b) { b.SetTextAlign(1); }
void Bold(MyButton& b) { b.SetFontBold(true); }

std::vector<Row> GalleryRows() {
  return {
      {"Default skin, states 1 to 5",
       {{"Normal", 1}, {"Focused", 2}, {"Hover", 3}, {"Pressed", 4, kButtonHeight, kButtonWidth, Pressable},
        {"Disabled", 5, kButtonHeight, kButtonWidth, Engraved}}},
      {"FillWithColor false (tiled)",
       {{"Normal", 1, kButtonHeight, kButtonWidth, Tiled}, {"Focused", 2, kButtonHeight, kButtonWidth, Tiled},
        {"Hover", 3, kButtonHeight, kButtonWidth, Tiled}, {"Pressed", 4, kButtonHeight, kButtonWidth, Tiled},
        {"Disabled", 5, kButtonHeight, kButtonWidth, Tiled}}},
      {"Plain look (no skin)",
       {{"Normal", 1, kButtonHeight, kButtonWidth, Plain}, {"Focused", 2, kButtonHeight, kButtonWidth, Plain},
        {"Hover", 3, kButtonHeight, kButtonWidth, Plain}, {"Pressed", 4, kButtonHeight, kButtonWidth, Plain},
        {"Disabled", 5, kButtonHeight, kButtonWidth, Plain}}},
      {"Icon, PicturePos 0 to 4",
       {{"Left", 1, 48, kButtonWidth, IconAt<0>}, {"Above", 1, 48, kButtonWidth, IconAt<1>},
        {"Below", 1, 48, kButtonWidth, IconAt<2>}, {"Right", 1, 48, kButtonWidth, IconAt<3>},
        {"Alone", 1, 48, kButtonWidth, IconAt<4>}}},
      {"Bitmap picture, states 1 to 5",
       {{"Normal", 1, kButtonHeight, kButtonWidth, BallLeft}, {"Focused", 2, kButtonHeight, kButtonWidth, BallLeft},
        {"Hover", 3, kButtonHeight, kButtonWidth, BallLeft}, {"Pressed", 4, kButtonHeight, kButtonWidth, BallLeft},
        {"Disabled", 5, kButtonHeight, kButtonWidth, BallLeft}}},
      {"Disabled captions",
       {{"Engraved", 5, 48, kButtonWidth, Engraved}, {"One colour", 5, 48, kButtonWidth, GreyOnly},
        {"Embossed", 5, 48, kButtonWidth, BallAboveEngraved}}},
      {"Focus rectangle (DrawFocus 3)",
       {{"Normal", 1, kButtonHeight, kButtonWidth, Focus3}, {"Focused", 2, kButtonHeight, kButtonWidth, Focus3},
        {"Pressed", 4, kButtonHeight, kButtonWidth, Focus3}}},
      {"Captions",
       {{"A caption far too long for it", 1},
        {"&Ok", 1},
        {"Left", 1, kButtonHeight, kButtonWidth, AlignLeft},
        {"Right", 1, kButtonHeight, kButtonWidth, AlignRight},
        {"Bold", 1, kButtonHeight, kButtonWidth, Bold}}},
  };
}

class GalleryWindow : public Window {
 public:
  GalleryWindow() : skin_("MyButtonDefSkin") {}

  bool Create() {
    RegisterClassOnce("HushWallGallery");
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, kClientWidth, ClientHeight()};
    AdjustWindowRect(&frame, style, FALSE);
    if (!Window::Create("HushWallGallery", "MyButton gallery", style, 0, 10, 10,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr)) {
      return false;
    }
    host_.Attach(Handle());
    skin_.LoadImageResource(BUTTON_DEFAULT_SKIN_RESOURCE);
    skin_.Create(Handle(), 0, 0, false);
    PlaceRows();
    return true;
  }

  // Paints every button once (which attaches the skin), then puts each in its state.
  void ShowStates() {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (Placed& placed : placed_) {
      if (placed.state == 5) {
        placed.button->Core().SetEnabled(false);
      } else {
        placed.button->Core().PaintState(static_cast<std::int16_t>(placed.state));
      }
    }
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        return Window::HandleMessage(message, wparam, lparam);
    }
  }

 private:
  struct Placed {
    std::unique_ptr<MyButtonWindow> button;
    int state;
  };

  static int ClientHeight() {
    int height = kGap;
    for (const Row& row : GalleryRows()) height += RowHeight(row) + kGap;
    return height;
  }
  static int RowHeight(const Row& row) {
    int height = 0;
    for (const Sample& sample : row.samples) height = std::max(height, sample.height);
    return height;
  }

  void PlaceRows() {
    HFONT label_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int top = kGap;
    int id = 100;
    for (const Row& row : GalleryRows()) {
      const int height = RowHeight(row);
      HWND label = CreateWindowExA(0, "STATIC", row.label, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                                   kGap, top, kLabelWidth - kGap, height, Handle(), nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
      SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(label_font), FALSE);
      int left = kGap + kLabelWidth;
      for (const Sample& sample : row.samples) {
        auto button = std::make_unique<MyButtonWindow>(host_, "cmdSample" + std::to_string(id));
        button->Create(left, top, sample.width, sample.height, id++);
        MyButton& core = button->Core();
        core.SetText(sample.text);
        if (sample.configure) sample.configure(core);
        placed_.push_back({std::move(button), sample.state});
        left += sample.width + kGap;
      }
      top += height + kGap;
    }
  }

  ControlHostWin32 host_;
  PictureBox skin_;
  std::vector<Placed> placed_;
};

// Dispatches messages until none came for `quiet`, or `limit` passed.
void PumpUntilQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds limit) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + limit;
  auto last_message = Clock::now();
  while (Clock::now() < deadline && Clock::now() - last_message < quiet) {
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
      last_message = Clock::now();
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
  }
}

// Copies the window's client area as it is on screen into a 24-bit .bmp file. (The
// frame is left out: without a window manager nobody draws it.)
bool SaveScreenshot(HWND window, const char* path) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const RECT area{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  const int width = client.right, height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), width, height, 1, 24, BI_RGB};
  void* bits = nullptr;
  HBITMAP image = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!image) return false;
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(copy, image);
  BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  SelectObject(copy, old);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);

  const DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
  const DWORD data_size = stride * height;
  BITMAPFILEHEADER file_header{};
  file_header.bfType = 0x4D42;
  file_header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file_header.bfSize = file_header.bfOffBits + data_size;
  bool written = false;
  if (FILE* file = std::fopen(path, "wb")) {
    written = std::fwrite(&file_header, sizeof file_header, 1, file) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
              std::fwrite(bits, 1, data_size, file) == data_size;
    written = std::fclose(file) == 0 && written;
  }
  DeleteObject(image);
  return written;
}

// The control's pixels, rendered on their own through its paint entry, off screen.
std::uint64_t RenderDigest(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  DibSection dib = CreateTopDownDib(client.right, client.bottom, 32);
  if (!dib) return 0;
  MemoryDc dc(CreateCompatibleDC(nullptr));
  {
    SelectGuard selected(dc.Get(), dib.bitmap.Get());
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    GdiFlush();
  }
  std::uint64_t digest = 14695981039346656037ull;  // FNV-1a
  const auto* byte = static_cast<const unsigned char*>(dib.bits);
  for (int i = 0, n = DibStride(client.right, 32) * client.bottom; i < n; ++i)
    digest = (digest ^ byte[i]) * 1099511628211ull;
  return digest;
}

void AppendDigest(std::string& out, const std::string& name, std::uint64_t digest) {
  char text[24];
  std::snprintf(text, sizeof text, " %016llx\n", static_cast<unsigned long long>(digest));
  out += name + text;
}

// "page/index width x height digest" for each custom control of `window`: the 32-bit
// and 64-bit programs must give the same pixels, which the test command compares.
void AppendControlDigests(HWND window, const char* page, std::string& out) {
  int index = 0;
  for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    if (!CustomControlOf(control)) continue;
    RECT client{};
    GetClientRect(control, &client);
    AppendDigest(out, std::string(page) + "/" + std::to_string(index++) + " " + std::to_string(client.right) + "x" +
                          std::to_string(client.bottom), RenderDigest(control));
  }
}

}  // namespace
}  // namespace hushwall

namespace {

void Show(HWND window, int show, const std::string& screenshot) {
  if (!screenshot.empty()) SetCursorPos(1000, 750);  // keep the pointer off the controls
  ShowWindow(window, screenshot.empty() ? show : SW_SHOWNORMAL);
}

// Captures the window into `screenshot` and closes it, or runs until it is closed.
int Finish(HWND window, const std::string& screenshot) {
  if (!screenshot.empty()) {
    using std::chrono::milliseconds;
    hushwall::PumpUntilQuiet(milliseconds(500), milliseconds(10000));
    const bool saved = hushwall::SaveScreenshot(window, screenshot.c_str());
    DestroyWindow(window);
    return saved ? 0 : 1;
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

// Both pages as their screenshots show them, each control's pixels digested.
int WriteDigests(const std::string& path) {
  std::string lines;
  {
    hushwall::GalleryWindow gallery;
    if (!gallery.Create()) return 1;
    Show(gallery.Handle(), SW_SHOWNORMAL, path);
    gallery.ShowStates();
    hushwall::PumpUntilQuiet(std::chrono::milliseconds(200), std::chrono::milliseconds(5000));
    hushwall::AppendControlDigests(gallery.Handle(), "buttons", lines);
    DestroyWindow(gallery.Handle());
  }
  {
    hushwall::ProgressGalleryWindow gallery;
    if (!gallery.Create()) return 1;
    Show(gallery.Handle(), SW_SHOWNORMAL, path);
    gallery.StepLive(170);
    hushwall::PumpUntilQuiet(std::chrono::milliseconds(200), std::chrono::milliseconds(5000));
    hushwall::AppendControlDigests(gallery.Handle(), "progress", lines);
    // Every whole value of 0 to 100, where a percentage such as 29 / 100 x 100 lies
    // just below a whole number and extended precision rounds it up.
    hushwall::MProgress& live = gallery.LiveBar().Core();
    live.SetMin(hushwall::Currency::FromUnits(0));
    live.SetMax(hushwall::Currency::FromUnits(100 * 10000));
    std::uint64_t sweep = 0;
    for (int value = 0; value <= 100; ++value) {
      live.SetValue(hushwall::Currency::FromUnits(value * 10000));
      sweep = sweep * 31 + hushwall::RenderDigest(gallery.LiveBar().Handle());
    }
    hushwall::AppendDigest(lines, "progress/live 0 to 100", sweep);
    DestroyWindow(gallery.Handle());
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file && std::fwrite(lines.data(), 1, lines.size(), file) == lines.size();
  return file && std::fclose(file) == 0 && written && !lines.empty() ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int show) {
  std::string arguments = command_line ? command_line : "";
  const std::string progress_flag = "--progress";
  const bool progress = arguments.rfind(progress_flag, 0) == 0;
  if (progress) {
    arguments.erase(0, progress_flag.size());
    arguments.erase(0, std::min(arguments.size(), arguments.find_first_not_of(' ')));
  }
  const std::string digests_flag = "--digests ";
  if (arguments.rfind(digests_flag, 0) == 0) return WriteDigests(arguments.substr(digests_flag.size()));
  const std::string flag = "--screenshot ";
  const std::string screenshot = arguments.rfind(flag, 0) == 0 ? arguments.substr(flag.size()) : "";

  if (progress) {
    hushwall::ProgressGalleryWindow gallery;
    if (!gallery.Create()) return 1;
    Show(gallery.Handle(), show, screenshot);
    // A screenshot shows the moving bar at one moment, part of the way along.
    if (screenshot.empty()) {
      gallery.StartLive();
    } else {
      gallery.StepLive(170);
    }
    return Finish(gallery.Handle(), screenshot);
  }
  hushwall::GalleryWindow gallery;
  if (!gallery.Create()) return 1;
  Show(gallery.Handle(), show, screenshot);
  gallery.ShowStates();
  return Finish(gallery.Handle(), screenshot);
}
