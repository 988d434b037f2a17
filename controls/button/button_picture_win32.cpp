#include "controls/button/button_picture_win32.h"

#include <utility>

namespace hushwall {

Win32Picture::Win32Picture(ButtonPicture picture, std::string source)
    : picture_(picture), source_(std::move(source)) {}

Win32Picture::~Win32Picture() { ReleaseButtonPicture(picture_); }

PictureKind Win32Picture::Kind() const {
  switch (picture_.kind) {
    case ButtonPicture::Kind::kBitmap: return PictureKind::kBitmap;
    case ButtonPicture::Kind::kIcon: return PictureKind::kIcon;
    default: return PictureKind::kOther;
  }
}

std::shared_ptr<Win32Picture> PictureFromBitmapHandle(HBITMAP bitmap, std::string source) {
  ButtonPicture picture = PictureFromBitmap(bitmap);
  if (picture.Empty()) return nullptr;
  return std::make_shared<Win32Picture>(picture, std::move(source));
}

std::shared_ptr<Win32Picture> PictureFromIconHandle(HICON icon, std::string source) {
  ButtonPicture picture = PictureFromIcon(icon);
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
