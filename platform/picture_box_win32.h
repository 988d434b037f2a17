#pragma once
// A borderless child control that keeps its image in a memory bitmap of its own, so
// the image can be read and copied whether or not the control is shown. Skinned
// buttons take their skin from a picture box on their hosting window.
#include <windows.h>

#include <string>

#include "platform/gdi_win32.h"
#include "platform/window_win32.h"

namespace hushwall {

class PictureBox : public Window {
 public:
  static constexpr const char* kTypeName = "PictureBox";
  static constexpr const char* kClassName = "HushWallPictureBox";

  explicit PictureBox(std::string name);
  ~PictureBox() override;

  // Creates the child window at (x, y) of `parent`, as large as the image.
  bool Create(HWND parent, int x, int y, bool visible, int control_id = 0);

  // Takes ownership of `bitmap` as the new image and sizes the control to it.
  bool SetImage(HBITMAP bitmap);
  // Loads a BITMAP resource (kept at its own colour depth) as the image.
  bool LoadImageResource(const char* resource_name, HINSTANCE instance = nullptr);

  // The control's own name on its window, e.g. "MyButtonDefSkin".
  const std::string& Name() const { return name_; }
  const char* TypeName() const { return kTypeName; }

  // The inner drawing area in pixels (the control has no border, so this is the
  // image's size once an image is set).
  int Width() const;
  int Height() const;
  // The image's pixel as an RGB value, or CLR_INVALID outside the image.
  COLORREF Pixel(int x, int y) const;
  // A memory DC holding the image, to copy rectangles from. Owned by the control.
  HDC Dc() const { return image_dc_.Get(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Paint(HDC target) override;

 private:
  void FitWindowToImage();

  std::string name_;
  MemoryDc image_dc_;
  Bitmap image_;
  HGDIOBJ default_bitmap_ = nullptr;
  int image_width_ = 0;
  int image_height_ = 0;
};

}  // namespace hushwall
