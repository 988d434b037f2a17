#include "controls/host/picture_win32.h"

#include <utility>

#include "platform/gdi_win32.h"

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

void ReleaseGdiPicture(GdiPicture& picture) {
  if (picture.kind == GdiPicture::Kind::kIcon && picture.handle) {
    DestroyIcon(static_cast<HICON>(picture.handle));
  } else if (picture.handle) {
    DeleteObject(picture.handle);
  }
  picture = {};
}

Win32Picture::Win32Picture(GdiPicture picture, std::string source)
    : picture_(picture), source_(std::move(source)) {}

Win32Picture::~Win32Picture() { ReleaseGdiPicture(picture_); }

PictureKind Win32Picture::Kind() const {
  switch (picture_.kind) {
    case GdiPicture::Kind::kBitmap: return PictureKind::kBitmap;
    case GdiPicture::Kind::kIcon: return PictureKind::kIcon;
    default: return PictureKind::kOther;
  }
}

std::shared_ptr<Win32Picture> PictureFromBitmapHandle(HBITMAP bitmap, std::string source) {
  GdiPicture picture = PictureFromBitmap(bitmap);
  if (picture.Empty()) return nullptr;
  return std::make_shared<Win32Picture>(picture, std::move(source));
}

std::shared_ptr<Win32Picture> PictureFromIconHandle(HICON icon, std::string source) {
  GdiPicture picture = PictureFromIcon(icon);
  if (picture.Empty()) return nullptr;
  return std::make_shared<Win32Picture>(picture, std::move(source));
}

std::shared_ptr<Win32Picture> LoadPictureResource(const std::string& name, HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleA(nullptr);
  if (HANDLE icon = LoadImageA(instance, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)) {
    if (auto picture = PictureFromIconHandle(static_cast<HICON>(icon), name)) return picture;
    DestroyIcon(static_cast<HICON>(icon));
  }
  if (HANDLE bitmap = LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)) {
    if (auto picture = PictureFromBitmapHandle(static_cast<HBITMAP>(bitmap), name)) return picture;
    DeleteObject(bitmap);
  }
  return nullptr;
}

PictureLoader ResourcePictureLoader(HINSTANCE instance) {
  return [instance](const std::string& source) -> PictureRef {
    return LoadPictureResource(source, instance);
  };
}

}  // namespace hushwall
