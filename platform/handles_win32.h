#pragma once
// Move-only owners for every Win32 handle the program must give back, one small class
// per handle kind. An owner holds only what it must release: shared icons (LoadIcon,
// LoadImage with LR_SHARED) and stock objects stay plain handles and are never put
// in one.
#include <windows.h>

#include <utility>

namespace hushwall {

// Traits give the handle type, its "no handle" value and its release call.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }
  // Gives up ownership without releasing.
  Handle Release() { return std::exchange(handle_, Traits::Empty()); }
  void Reset(Handle handle = Traits::Empty()) { Replace(handle); }
  // Releases the handle now; false when the system refused (a file whose last
  // buffered bytes could not be written, for instance).
  bool Close() { return Replace(Traits::Empty()); }
  // For calls that hand the handle out through a pointer (RegOpenKeyExA); whatever
  // was held is released first.
  Handle* Out() {
    Reset();
    return &handle_;
  }

 private:
  bool Replace(Handle handle) {
    const bool released = !*this || Traits::Release(handle_);
    handle_ = handle;
    return released;
  }

  Handle handle_ = Traits::Empty();
};

template <typename H, auto ReleaseCall>
struct NullEmptyTraits {
  using Handle = H;
  static Handle Empty() { return nullptr; }
  static bool Release(Handle handle) { return ReleaseCall(handle) != 0; }
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ object) { return DeleteObject(object); }
inline bool RegistryKeyClosed(HKEY key) { return RegCloseKey(key) == ERROR_SUCCESS; }

struct FileTraits {
  using Handle = HANDLE;
  // CreateFileA reports failure as INVALID_HANDLE_VALUE, not null.
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
  static bool Release(Handle handle) { return CloseHandle(handle) != FALSE; }
};

template <typename H>
using GdiObject = UniqueHandle<NullEmptyTraits<H, DeleteGdiObject>>;

// Icons and cursors made for this program alone (LoadImage without LR_SHARED,
// CreateIconIndirect, CopyIcon).
using Icon = UniqueHandle<NullEmptyTraits<HICON, DestroyIcon>>;
// A menu that belongs to no window (a popup built for one TrackPopupMenu).
using MenuHandle = UniqueHandle<NullEmptyTraits<HMENU, DestroyMenu>>;
using RegistryKey = UniqueHandle<NullEmptyTraits<HKEY, RegistryKeyClosed>>;
// Kernel objects whose failure value is null: mutexes, events, processes, threads.
using KernelHandle = UniqueHandle<NullEmptyTraits<HANDLE, CloseHandle>>;
using FileHandle = UniqueHandle<FileTraits>;

}  // namespace hushwall
