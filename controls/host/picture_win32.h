#pragma once
// Picture objects of the Windows side: a bitmap or an icon the object owns, with the
// name under which a window layout refers to it (a resource name).
#include <windows.h>

#include <memory>
#include <string>

#include "platform/layout.h"
#include "platform/picture.h"

namespace hushwall {

// A control's picture: an icon or a bitmap, with its natural size in HiMetric units
// (hundredths of a millimetre), as picture objects report it. The handle is not
// owned; see ReleaseGdiPicture.
struct GdiPicture {
  enum class Kind { kNone, kBitmap, kIcon };
  Kind kind = Kind::kNone;
  HANDLE handle = nullptr;
  int himetric_width = 0;
  int himetric_height = 0;

  bool Empty() const { return kind == Kind::kNone || handle == nullptr; }
};

// Wraps a bitmap or icon; the HiMetric size is taken from its pixel size at the
// screen's resolution. A null handle gives an empty picture.
GdiPicture PictureFromBitmap(HBITMAP bitmap);
GdiPicture PictureFromIcon(HICON icon);
// Destroys the picture's handle and empties it.
void ReleaseGdiPicture(GdiPicture& picture);

class Win32Picture : public Picture {
 public:
  // Takes ownership of the picture's handle.
  Win32Picture(GdiPicture picture, std::string source);
  ~Win32Picture() override;
  Win32Picture(const Win32Picture&) = delete;
  Win32Picture& operator=(const Win32Picture&) = delete;

  PictureKind Kind() const override;
  std::int32_t WidthHiMetric() const override { return picture_.himetric_width; }
  std::int32_t HeightHiMetric() const override { return picture_.himetric_height; }
  std::string Source() const override { return source_; }
  const GdiPicture& Gdi() const { return picture_; }

 private:
  GdiPicture picture_;
  std::string source_;
};

// Owning pictures made from handles; nullptr for a null or unreadable handle.
std::shared_ptr<Win32Picture> PictureFromBitmapHandle(HBITMAP bitmap, std::string source = "");
std::shared_ptr<Win32Picture> PictureFromIconHandle(HICON icon, std::string source = "");
// A picture from the program's resources: an icon group of that name, else a bitmap.
std::shared_ptr<Win32Picture> LoadPictureResource(const std::string& name,
                                                  HINSTANCE instance = nullptr);
// For reading layouts: pictures are named by resource.
PictureLoader ResourcePictureLoader(HINSTANCE instance = nullptr);

}  // namespace hushwall
