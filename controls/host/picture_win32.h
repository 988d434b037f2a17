#pragma once
// Picture objects of the Windows side: a bitmap or an icon the object owns, with the
// name under which a window layout refers to it (a resource name).
#include <windows.h>

#include <memory>
#include <string>

#include "platform/gdi_win32.h"
#include "platform/handles_win32.h"
#include "platform/layout.h"
#include "platform/picture.h"

namespace hushwall {

// A control's picture: an icon or a bitmap, with its natural size in HiMetric units
// (hundredths of a millimetre), as picture objects report it. The handle is not
// owned: a Win32Picture, or whoever made the picture, holds it.
struct GdiPicture {
  enum class Kind { kNone, kBitmap, kIcon };
  Kind kind = Kind::kNone;
  HANDLE handle = nullptr;
  int himetric_width = 0;
  int himetric_height = 0;

  bool Empty() const { return kind == Kind::kNone || handle == nullptr; }
};

// Wraps a bitmap or icon; the HiMetric size is taken from its pixel size at the
// screen's resolution. A null or unreadable handle gives an empty picture.
GdiPicture PictureFromBitmap(HBITMAP bitmap);
GdiPicture PictureFromIcon(HICON icon);

class Win32Picture : public Picture {
 public:
  // An unreadable handle gives an empty picture (Gdi().Empty()); it is still released.
  Win32Picture(Bitmap bitmap, std::string source);
  Win32Picture(Icon icon, std::string source);

  PictureKind Kind() const override;
  std::int32_t WidthHiMetric() const override { return picture_.himetric_width; }
  std::int32_t HeightHiMetric() const override { return picture_.himetric_height; }
  std::string Source() const override { return source_; }
  const GdiPicture& Gdi() const { return picture_; }

 private:
  // One of the two holds the handle; picture_ describes it.
  Bitmap bitmap_;
  Icon icon_;
  GdiPicture picture_;
  std::string source_;
};

// Pictures that take over the handle; nullptr (and the handle released) for a null or
// unreadable handle.
std::shared_ptr<Win32Picture> PictureFromBitmapHandle(Bitmap bitmap, std::string source = "");
std::shared_ptr<Win32Picture> PictureFromIconHandle(Icon icon, std::string source = "");
// A picture from the program's resources: an icon group of that name, else a bitmap.
std::shared_ptr<Win32Picture> LoadPictureResource(const std::string& name,
                                                  HINSTANCE instance = nullptr);
// For reading layouts: pictures are named by resource.
PictureLoader ResourcePictureLoader(HINSTANCE instance = nullptr);

}  // namespace hushwall
