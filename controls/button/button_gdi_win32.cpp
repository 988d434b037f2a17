#include "controls/button/button_gdi_win32.h"

#include "platform/dib_win32.h"

namespace hushwall {
namespace {

using GdiTransparentBltFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int,
                                                UINT);

bool force_fallback = false;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr std::uint32_t kHighlight3d = 0x80000000u | COLOR_3DHILIGHT;
constexpr std::uint32_t kButtonShadow = 0x80000000u | COLOR_BTNSHADOW;
constexpr DWORD kDestinationAndNotSource = 0x220326;  // DSna
constexpr int kHimetricPerInch = 2540;

// A memory DC compatible with `like`, with `bitmap` selected while the guard lives.
// Members are destroyed in reverse order, so the selection is undone before the
// bitmap and the DC are deleted.
struct Scratch {
  Scratch(HDC like, HBITMAP bitmap) : dc(CreateCompatibleDC(like)), image(bitmap),
                                      selection(dc.Get(), image.Get()) {}
  bool Valid() const { return dc && image; }
  MemoryDc dc;
  Bitmap image;
  SelectGuard selection;
};

HBITMAP CompatibleBitmap(HDC like, int width, int height) {
  return CreateCompatibleBitmap(like, width, height);
}

// The keyed copy without GdiTransparentBlt: a monochrome mask of the key pixels
// punches the image, the inverse punches the background, and the two are ORed.
bool MaskedBlit(HDC dest, int x, int y, int width, int height, HDC source, int source_x,
                int source_y, COLORREF key) {
  Scratch background(dest, CompatibleBitmap(dest, width, height));
  Scratch image(dest, CompatibleBitmap(dest, width, height));
  Scratch mask(dest, CreateBitmap(width, height, 1, 1, nullptr));
  if (!background.Valid() || !image.Valid() || !mask.Valid()) return false;

  BitBlt(background.dc.Get(), 0, 0, width, height, dest, x, y, SRCCOPY);

  SetBkColor(image.dc.Get(), GetBkColor(source));
  SetTextColor(image.dc.Get(), GetTextColor(source));
  BitBlt(image.dc.Get(), 0, 0, width, height, source, source_x, source_y, SRCCOPY);

  SetBkColor(image.dc.Get(), key);
  SetTextColor(image.dc.Get(), kWhite);
  BitBlt(mask.dc.Get(), 0, 0, width, height, image.dc.Get(), 0, 0, SRCCOPY);

  SetTextColor(image.dc.Get(), kBlack);
  SetBkColor(image.dc.Get(), kWhite);
  BitBlt(image.dc.Get(), 0, 0, width, height, mask.dc.Get(), 0, 0, kDestinationAndNotSource);

  BitBlt(background.dc.Get(), 0, 0, width, height, mask.dc.Get(), 0, 0, SRCAND);
  BitBlt(background.dc.Get(), 0, 0, width, height, image.dc.Get(), 0, 0, SRCPAINT);
  BitBlt(dest, x, y, width, height, background.dc.Get(), 0, 0, SRCCOPY);
  return true;
}

// Looked up on every call on purpose: the library is loaded and freed each time.
bool PlatformTransparentBlt(HDC dest, int x, int y, int width, int height, HDC source,
                            int source_x, int source_y, COLORREF key, bool* done) {
  *done = false;
  HMODULE gdi = LoadLibraryA("gdi32.dll");
  if (!gdi) return true;
  auto entry = reinterpret_cast<GdiTransparentBltFunction>(
      reinterpret_cast<void*>(GetProcAddress(gdi, "GdiTransparentBlt")));
  bool ok = true;
  if (entry && !force_fallback) {
    ok = entry(dest, x, y, width, height, source, source_x, source_y, width, height, key) != 0;
    *done = true;
  }
  FreeLibrary(gdi);
  return ok;
}

void SetTwoColourTable(HDC dc, COLORREF entry0, COLORREF entry1) {
  RGBQUAD table[2] = {
      {GetBValue(entry0), GetGValue(entry0), GetRValue(entry0), 0},
      {GetBValue(entry1), GetGValue(entry1), GetRValue(entry1), 0},
  };
  SetDIBColorTable(dc, 0, 2, table);
}

// Draws the picture's pixels into `target` at (0, 0) in width x height, as the
// one-bit reduction of a disabled picture needs them.
bool RenderForSilhouette(HDC surface, HDC target, const GdiPicture& picture, int width,
                         int height, std::uint32_t transparent_colour) {
  if (picture.kind == GdiPicture::Kind::kIcon) {
    const COLORREF behind_icon = TranslateColor(transparent_colour);
    if (behind_icon == CLR_INVALID) return false;
    Scratch canvas(surface, CompatibleBitmap(surface, width, height));
    if (!canvas.Valid()) return false;
    RECT all{0, 0, width, height};
    Brush fill(CreateSolidBrush(behind_icon));
    FillRect(canvas.dc.Get(), &all, fill.Get());
    DrawIconEx(canvas.dc.Get(), 0, 0, static_cast<HICON>(picture.handle), width, height, 0,
               nullptr, DI_NORMAL);
    BitBlt(target, 0, 0, width, height, canvas.dc.Get(), 0, 0, SRCCOPY);
    return true;
  }
  MemoryDc canvas(CreateCompatibleDC(surface));
  if (!canvas) return false;
  SelectGuard selection(canvas.Get(), picture.handle);
  BitBlt(target, 0, 0, width, height, canvas.Get(), 0, 0, SRCCOPY);
  return true;
}

}  // namespace

void ForceTransparentBlitFallback(bool force) { force_fallback = force; }

bool TransparentBlit(HDC dest, int x, int y, int width, int height, HDC source, int source_x,
                     int source_y, std::uint32_t key) {
  COLORREF rgb_key = TranslateColor(key);
  if (rgb_key == CLR_INVALID) return false;
  // GdiTransparentBlt refuses empty and mirrored extents; treat them as nothing to
  // copy on both paths alike.
  if (width <= 0 || height <= 0) return true;
  bool done = false;
  bool ok = PlatformTransparentBlt(dest, x, y, width, height, source, source_x, source_y, rgb_key,
                                   &done);
  if (done) return ok;
  return MaskedBlit(dest, x, y, width, height, source, source_x, source_y, rgb_key);
}

double HimetricToPixelsX(HDC surface, int himetric) {
  return double(himetric) * GetDeviceCaps(surface, LOGPIXELSX) / kHimetricPerInch;
}

double HimetricToPixelsY(HDC surface, int himetric) {
  return double(himetric) * GetDeviceCaps(surface, LOGPIXELSY) / kHimetricPerInch;
}

bool DrawPicture(HDC surface, const GdiPicture& picture, int x, int y, int width, int height,
                 std::uint32_t transparent_colour) {
  if (picture.Empty() || width <= 0 || height <= 0) return true;
  if (picture.kind == GdiPicture::Kind::kIcon) {
    DrawIconEx(surface, x, y, static_cast<HICON>(picture.handle), width, height, 0, nullptr,
               DI_NORMAL);
    return true;
  }
  MemoryDc canvas(CreateCompatibleDC(surface));
  if (!canvas) return false;
  SelectGuard selection(canvas.Get(), picture.handle);
  return TransparentBlit(surface, x, y, width, height, canvas.Get(), 0, 0, transparent_colour);
}

bool DrawDisabledPicture(HDC surface, const GdiPicture& picture, int x, int y, int width,
                         int height, std::uint32_t transparent_colour) {
  if (picture.Empty() || width <= 0 || height <= 0) return true;
  COLORREF highlight = TranslateColor(kHighlight3d);
  COLORREF shadow = TranslateColor(kButtonShadow);
  if (highlight == CLR_INVALID || shadow == CLR_INVALID) return false;
  // One bit per pixel: the silhouette's colours are set through its colour table.
  Scratch silhouette(surface, CreateTopDownDib(width, height, 1, kBlackAndWhite).bitmap.Release());
  if (!silhouette.Valid()) return false;
  if (!RenderForSilhouette(surface, silhouette.dc.Get(), picture, width, height,
                           transparent_colour)) {
    return false;
  }
  SetTwoColourTable(silhouette.dc.Get(), highlight, kBlack);
  bool ok = TransparentBlit(surface, x + 1, y + 1, width, height, silhouette.dc.Get(), 0, 0, kBlack);
  SetTwoColourTable(silhouette.dc.Get(), shadow, kWhite);
  return TransparentBlit(surface, x, y, width, height, silhouette.dc.Get(), 0, 0, kWhite) && ok;
}

BackBuffer::BackBuffer(HDC target, int width, int height)
    : width_(width),
      height_(height),
      dc_(CreateCompatibleDC(target)),
      bitmap_(CompatibleBitmap(target, width, height)),
      selection_(dc_.Get(), bitmap_.Get()) {}

void BackBuffer::Present(HDC target, int x, int y) const {
  BitBlt(target, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}

}  // namespace hushwall
