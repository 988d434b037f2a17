#include "controls/host/picture_win32.h"

#include <utility>

namespace hushwall {
namespace {

constexpr int kHimetricPerInch = 2540;

int ScreenPixelsPerInch(int axis) {
  WindowDc screen(nullptr);
  int dpi = GetDeviceCaps(screen.Get(), axis);
  return dpi > 0 ? dpi : 96;
}

int PixelsToHimetric(int pixels, int axis) {
  return MulDiv(pixels, kHimetricPerInch, ScreenPixelsPerInch(axis));
}

}  // namespace

GdiPicture PictureFromBitmap(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return {};
  return {GdiPicture::Kind::kBitmap, bitmap, PixelsToHimetric(info.bmWidth, LOGPIXELSX),
          PixelsToHimetric(info.bmHeight, LOGPIXELSY)};
}

GdiPicture PictureFromIcon(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof(mask), &mask);
  int width = mask.bmWidth;
  // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
  int height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {GdiPicture::Kind::kIcon, icon, PixelsToHimetric(width, LOGPIXELSX),
          PixelsToHimetric(height, LOGPIXELSY)};
}

Win32Picture::Win32Picture(Bitmap bitmap, std::string source)
    : bitmap_(std::move(bitmap)), picture_(PictureFromBitmap(bitmap_.Get())), source_(std::move(source)) {}

Win32Picture::Win32Picture(Icon icon, std::string source)
    : icon_(std::move(icon)), picture_(PictureFromIcon(icon_.Get())), source_(std::move(source)) {}

PictureKind Win32Picture::Kind() const {
  switch (picture_.kind) {
    case GdiPicture::Kind::kBitmap: return PictureKind::kBitmap;
    case GdiPicture::Kind::kIcon: return PictureKind::kIcon;
    default: return PictureKind::kOther;
  }
}

namespace {

template <typename Owner>
std::shared_ptr<Win32Picture> ReadablePicture(Owner handle, std::string source) {
  auto picture = std::make_shared<Win32Picture>(std::move(handle), std::move(source));
  if (picture->Gdi().Empty()) return nullptr;
  return picture;
}

}  // namespace

std::shared_ptr<Win32Picture> PictureFromBitmapHandle(Bitmap bitmap, std::string source) {
  return ReadablePicture(std::move(bitmap), std::move(source));
}

std::shared_ptr<Win32Picture> PictureFromIconHandle(Icon icon, std::string source) {
  return ReadablePicture(std::move(icon), std::move(source));
}

std::shared_ptr<Win32Picture> LoadPictureResource(const std::string& name, HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleA(nullptr);
  // Not shared: the picture destroys what it loaded.
  Icon icon(static_cast<HICON>(LoadImageA(instance, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  if (icon) {
    if (auto picture = PictureFromIconHandle(std::move(icon), name)) return picture;
  }
  Bitmap bitmap(static_cast<HBITMAP>(LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (bitmap) return PictureFromBitmapHandle(std::move(bitmap), name);
  return nullptr;
}

PictureLoader ResourcePictureLoader(HINSTANCE instance) {
  return [instance](const std::string& source) -> PictureRef {
    return LoadPictureResource(source, instance);
  };
}

}  // namespace hushwall
