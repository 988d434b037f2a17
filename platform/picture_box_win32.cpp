#include "platform/picture_box_win32.h"

#include <utility>

namespace hushwall {

PictureBox::PictureBox(std::string name)
    : name_(std::move(name)), image_dc_(CreateCompatibleDC(nullptr)) {}

PictureBox::~PictureBox() {
  // Put the DC's own bitmap back so the image can be deleted.
  if (default_bitmap_) SelectObject(image_dc_.Get(), default_bitmap_);
}

bool PictureBox::Create(HWND parent, int x, int y, bool visible, int control_id) {
  // No background brush: the image covers the whole control.
  RegisterClassOnce(kClassName, 0, nullptr);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (visible ? WS_VISIBLE : 0);
  HWND window = Window::Create(kClassName, name_.c_str(), style, 0, x, y, image_width_,
                               image_height_, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)));
  return window != nullptr;
}

bool PictureBox::SetImage(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info) || !image_dc_) return false;
  HGDIOBJ previous = SelectObject(image_dc_.Get(), bitmap);
  if (!previous) return false;
  if (!default_bitmap_) default_bitmap_ = previous;
  image_.Reset(bitmap);
  image_width_ = info.bmWidth;
  image_height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  FitWindowToImage();
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
  return true;
}

bool PictureBox::LoadImageResource(const char* resource_name, HINSTANCE instance) {
  if (!instance) instance = GetModuleHandleA(nullptr);
  // A DIB section keeps the resource's exact colours whatever the display depth.
  Bitmap loaded(static_cast<HBITMAP>(LoadImageA(instance, resource_name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!SetImage(loaded.Get())) return false;
  loaded.Release();  // the image owns it now
  return true;
}

int PictureBox::Width() const {
  if (!Handle()) return image_width_;
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.right - client.left;
}

int PictureBox::Height() const {
  if (!Handle()) return image_height_;
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom - client.top;
}

COLORREF PictureBox::Pixel(int x, int y) const {
  if (!image_ || x < 0 || y < 0 || x >= image_width_ || y >= image_height_) return CLR_INVALID;
  return GetPixel(image_dc_.Get(), x, y);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // The image covers the whole control: nothing to erase.
  if (message == WM_ERASEBKGND) return 1;
  return Window::HandleMessage(message, wparam, lparam);
}

void PictureBox::Paint(HDC target) {
  if (image_) BitBlt(target, 0, 0, image_width_, image_height_, image_dc_.Get(), 0, 0, SRCCOPY);
}

void PictureBox::FitWindowToImage() {
  if (!Handle()) return;
  SetWindowPos(Handle(), nullptr, 0, 0, image_width_, image_height_,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace hushwall
