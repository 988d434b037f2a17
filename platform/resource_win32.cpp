#include "platform/resource_win32.h"

#include <objbase.h>
#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "platform/dib_win32.h"

namespace hushwall {
namespace {

namespace gp = Gdiplus::DllExports;

// GDI+ is started for one decoding and shut down after it: the program decodes two
// pictures in its life and keeps no GDI+ thread running for them.
class GdiplusSession {
 public:
  GdiplusSession() {
    const Gdiplus::GdiplusStartupInput input;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusSession() {
    if (started_) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  explicit operator bool() const { return started_; }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static Handle Empty() { return nullptr; }
  static bool Release(Handle memory) { return GlobalFree(memory) == nullptr; }
};

struct ReleaseStream {
  void operator()(IStream* stream) const { stream->Release(); }
};
struct DisposeImage {
  void operator()(Gdiplus::GpBitmap* image) const { gp::GdipDisposeImage(image); }
};

// A stream over a copy of the bytes (CreateStreamOnHGlobal, unlike SHCreateMemStream,
// is exported by name on every Windows that has GDI+).
std::unique_ptr<IStream, ReleaseStream> StreamOver(std::basic_string_view<std::uint8_t> bytes) {
  UniqueHandle<GlobalMemoryTraits> copy(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
  void* target = copy ? GlobalLock(copy.Get()) : nullptr;
  if (!target) return nullptr;
  std::memcpy(target, bytes.data(), bytes.size());
  GlobalUnlock(copy.Get());
  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(copy.Get(), TRUE, &stream) != S_OK) return nullptr;
  copy.Release();  // the stream frees it
  return std::unique_ptr<IStream, ReleaseStream>(stream);
}

// Copies the decoded pixels straight into the DIB section's rows.
Bitmap DecodeToDib(Gdiplus::GpBitmap* image) {
  UINT width = 0, height = 0;
  if (gp::GdipGetImageWidth(image, &width) != Gdiplus::Ok || gp::GdipGetImageHeight(image, &height) != Gdiplus::Ok)
    return {};
  DibSection dib = CreateTopDownDib(int(width), int(height), 24);
  if (!dib) return {};
  const Gdiplus::GpRect all(0, 0, INT(width), INT(height));
  Gdiplus::BitmapData pixels{};
  pixels.Width = width;
  pixels.Height = height;
  pixels.Stride = DibStride(int(width), 24);
  pixels.PixelFormat = PixelFormat24bppRGB;
  pixels.Scan0 = dib.bits;
  if (gp::GdipBitmapLockBits(image, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                             PixelFormat24bppRGB, &pixels) != Gdiplus::Ok)
    return {};
  gp::GdipBitmapUnlockBits(image, &pixels);
  GdiFlush();
  return std::move(dib.bitmap);
}

}  // namespace

std::basic_string_view<std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type) {
  HRSRC resource = FindResourceA(module, name, type);
  if (!resource) return {};
  HGLOBAL loaded = ::LoadResource(module, resource);
  const DWORD size = SizeofResource(module, resource);
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data) return {};
  return {data, size};
}

Bitmap LoadPngResource(int id, HMODULE module) {
  const auto bytes = ResourceBytes(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (bytes.empty()) return {};
  const GdiplusSession session;
  if (!session) return {};
  const auto stream = StreamOver(bytes);
  if (!stream) return {};
  Gdiplus::GpBitmap* decoded = nullptr;
  if (gp::GdipCreateBitmapFromStream(stream.get(), &decoded) != Gdiplus::Ok) return {};
  const std::unique_ptr<Gdiplus::GpBitmap, DisposeImage> image(decoded);
  return DecodeToDib(image.get());
}

}  // namespace hushwall
