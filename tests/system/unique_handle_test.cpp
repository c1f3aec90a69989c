#include "system/unique_handle.h"

#include <gtest/gtest.h>

#include <utility>

namespace vorlan {
namespace {

bool IsOpen(HANDLE handle) {
  DWORD flags = 0;
  return GetHandleInformation(handle, &flags) != FALSE;
}

TEST(UniqueHandleTest, OwnsExactlyOnce) {
  HANDLE raw = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  {
    TUniqueKernelHandle first(raw);
    TUniqueKernelHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.Get(), raw);
    TUniqueKernelHandle third;
    third = std::move(second);
    EXPECT_TRUE(IsOpen(raw));
  }
  EXPECT_FALSE(IsOpen(raw));

  HANDLE kept = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  TUniqueKernelHandle owner(kept);
  owner.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  EXPECT_FALSE(IsOpen(kept));
  HANDLE released = owner.Release();
  EXPECT_FALSE(owner);
  EXPECT_TRUE(IsOpen(released));
  TUniqueKernelHandle closer(released);
}

TEST(UniqueHandleTest, KindsWithTheirOwnNone) {
  TUniqueFileHandle file(CreateFileA("Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(file);
  TUniqueFindHandle find;
  WIN32_FIND_DATAA data;
  find.Reset(FindFirstFileA("C:\\windows\\*", &data));
  EXPECT_TRUE(find);
  TUniqueModule module(LoadLibraryA("version.dll"));
  EXPECT_TRUE(module);
  TUniqueKey key;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, key.Receive()), ERROR_SUCCESS);
  EXPECT_TRUE(key);
}

}  // namespace
}  // namespace vorlan
