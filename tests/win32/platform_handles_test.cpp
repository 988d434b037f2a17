// Handle owners release what they hold exactly once, checked against the system's own
// view of whether a handle is still open.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/gdi_win32.h"
#include "platform/handles_win32.h"

namespace hushwall {
namespace {

// Each kind: a real handle of that kind made on demand, and whether the system still
// knows the handle.
struct IconKind {
  using Owner = Icon;
  static HICON Make() { return CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)); }
  static bool IsOpen(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
  }
};

struct MenuKind {
  using Owner = MenuHandle;
  static HMENU Make() { return CreatePopupMenu(); }
  static bool IsOpen(HMENU menu) { return IsMenu(menu) != FALSE; }
};

struct RegistryKind {
  using Owner = RegistryKey;
  static HKEY Make() {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key);
    return key;
  }
  static bool IsOpen(HKEY key) {
    DWORD subkeys = 0;
    return RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }
};

bool KernelHandleOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

struct KernelKind {
  using Owner = KernelHandle;
  static HANDLE Make() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }
  static bool IsOpen(HANDLE handle) { return KernelHandleOpen(handle); }
};

struct FileKind {
  using Owner = FileHandle;
  static HANDLE Make() {
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "hw", 0, path);
    return CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  }
  static bool IsOpen(HANDLE handle) { return KernelHandleOpen(handle); }
};

struct BitmapKind {
  using Owner = Bitmap;
  static HBITMAP Make() { return CreateBitmap(2, 2, 1, 32, nullptr); }
  static bool IsOpen(HBITMAP bitmap) { return GetObjectType(bitmap) == OBJ_BITMAP; }
};

struct MemoryDcKind {
  using Owner = MemoryDc;
  static HDC Make() { return CreateCompatibleDC(nullptr); }
  static bool IsOpen(HDC dc) { return GetObjectType(dc) == OBJ_MEMDC; }
};

template <typename Kind>
class HandleOwnerTest : public ::testing::Test {
 protected:
  using Owner = typename Kind::Owner;
  using Handle = typename Owner::Handle;

  static Handle Make() {
    Handle handle = Kind::Make();
    EXPECT_TRUE(Kind::IsOpen(handle)) << "could not make a handle to test with";
    return handle;
  }
  static bool IsOpen(Handle handle) { return Kind::IsOpen(handle); }
};

using Kinds = ::testing::Types<IconKind, MenuKind, RegistryKind, KernelKind, FileKind, BitmapKind,
                               MemoryDcKind>;
TYPED_TEST_SUITE(HandleOwnerTest, Kinds);

TYPED_TEST(HandleOwnerTest, OwnerReleasesItsHandleWhenItGoes) {
  const auto handle = this->Make();
  { typename TestFixture::Owner owner(handle); }
  EXPECT_FALSE(this->IsOpen(handle));
}

TYPED_TEST(HandleOwnerTest, MovingHandsTheHandleOverAndTheSourceReleasesNothing) {
  const auto first = this->Make();
  const auto second = this->Make();
  {
    typename TestFixture::Owner target(second);
    {
      typename TestFixture::Owner source(first);
      target = std::move(source);
      EXPECT_FALSE(source);
      // The target's previous handle went at the assignment.
      EXPECT_FALSE(this->IsOpen(second));
      typename TestFixture::Owner constructed(std::move(target));
      EXPECT_FALSE(target);
      target = std::move(constructed);
    }
    EXPECT_TRUE(this->IsOpen(first));
    EXPECT_EQ(target.Get(), first);
  }
  EXPECT_FALSE(this->IsOpen(first));
}

TYPED_TEST(HandleOwnerTest, ResetReleasesTheOldHandleAndKeepsTheNewOne) {
  const auto old_handle = this->Make();
  const auto new_handle = this->Make();
  typename TestFixture::Owner owner(old_handle);
  owner.Reset(new_handle);
  EXPECT_FALSE(this->IsOpen(old_handle));
  EXPECT_TRUE(this->IsOpen(new_handle));
  // Closing reports success once and leaves nothing to close twice.
  EXPECT_TRUE(owner.Close());
  EXPECT_FALSE(owner);
  EXPECT_FALSE(this->IsOpen(new_handle));
  EXPECT_TRUE(owner.Close());
}

TYPED_TEST(HandleOwnerTest, ReleaseGivesUpOwnership) {
  const auto handle = this->Make();
  {
    typename TestFixture::Owner owner(handle);
    EXPECT_EQ(owner.Release(), handle);
    EXPECT_FALSE(owner);
  }
  EXPECT_TRUE(this->IsOpen(handle));
  { typename TestFixture::Owner give_back(handle); }
  EXPECT_FALSE(this->IsOpen(handle));
}

TEST(FileHandleTest, FailedOpenIsAnEmptyOwner) {
  FileHandle missing(CreateFileA("Z:\\no such folder\\no such file", GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
  EXPECT_EQ(missing.Get(), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(missing);
  EXPECT_TRUE(missing.Close());
}

TEST(RegistryKeyTest, OutHandsTheKeyToTheOwner) {
  RegistryKey key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.Out()), ERROR_SUCCESS);
  const HKEY opened = key.Get();
  EXPECT_TRUE(RegistryKind::IsOpen(opened));
  // Asking for the slot again closes the key it held: nothing leaks when it is filled.
  HKEY* slot = key.Out();
  EXPECT_EQ(*slot, nullptr);
  EXPECT_FALSE(RegistryKind::IsOpen(opened));
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, slot), ERROR_SUCCESS);
  EXPECT_TRUE(RegistryKind::IsOpen(key.Get()));
}

}  // namespace
}  // namespace hushwall
