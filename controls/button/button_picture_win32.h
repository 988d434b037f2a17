#pragma once
// Picture objects of the Windows side: a bitmap or an icon the object owns, with the
// name under which a window layout refers to it (a resource name).
#include <windows.h>

#include <memory>
#include <string>

#include "controls/button/button_gdi_win32.h"
#include "platform/gdi_win32.h"
#include "platform/layout.h"
#include "platform/picture.h"

namespace hushwall {

class Win32Picture : public Picture {
 public:
  // An unreadable handle gives an empty picture (Gdi().Empty()); it is still released.
  Win32Picture(Bitmap bitmap, std::string source);
  Win32Picture(Icon icon, std::string source);

  PictureKind Kind() const override;
  std::int32_t WidthHiMetric() const override { return picture_.himetric_width; }
  std::int32_t HeightHiMetric() const override { return picture_.himetric_height; }
  std::string Source() const override { return source_; }
  const ButtonPicture& Gdi() const { return picture_; }

 private:
  // One of the two holds the handle; picture_ describes it.
  Bitmap bitmap_;
  Icon icon_;
  ButtonPicture picture_;
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
