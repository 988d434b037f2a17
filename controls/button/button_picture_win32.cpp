#include "controls/button/button_picture_win32.h"

#include <utility>

namespace hushwall {

Win32Picture::Win32Picture(Bitmap bitmap, std::string source)
    : bitmap_(std::move(bitmap)), picture_(PictureFromBitmap(bitmap_.Get())), source_(std::move(source)) {}

Win32Picture::Win32Picture(Icon icon, std::string source)
    : icon_(std::move(icon)), picture_(PictureFromIcon(icon_.Get())), source_(std::move(source)) {}

PictureKind Win32Picture::Kind() const {
  switch (picture_.kind) {
    case ButtonPicture::Kind::kBitmap: return PictureKind::kBitmap;
    case ButtonPicture::Kind::kIcon: return PictureKind::kIcon;
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
