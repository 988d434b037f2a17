#pragma once
// Move-only owners for GDI objects and device contexts, and a selection guard that
// puts the previous object back before anything is deleted.
#include <windows.h>

#include <utility>

namespace hushwall {

template <typename Handle, BOOL(WINAPI* Destroy)(Handle)>
class GdiOwner {
 public:
  GdiOwner() = default;
  explicit GdiOwner(Handle handle) : handle_(handle) {}
  GdiOwner(GdiOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiOwner& operator=(GdiOwner&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiOwner(const GdiOwner&) = delete;
  GdiOwner& operator=(const GdiOwner&) = delete;
  ~GdiOwner() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_) Destroy(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) { return DeleteObject(object); }

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : owner_(handle) {}
  Handle Get() const { return static_cast<Handle>(owner_.Get()); }
  explicit operator bool() const { return static_cast<bool>(owner_); }
  Handle Release() { return static_cast<Handle>(owner_.Release()); }
  void Reset(Handle handle = nullptr) { owner_.Reset(handle); }

 private:
  GdiOwner<HGDIOBJ, DeleteGdiObject> owner_;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;
using MemoryDc = GdiOwner<HDC, DeleteDC>;

// A DC obtained with GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectGuard() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace hushwall
