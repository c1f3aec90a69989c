#pragma once
// TUniqueHandle: sole owner of one operating-system handle, released when
// the owner goes. A traits type names the handle's type, its "none" value
// and how it is released, so one template serves keys, kernel objects,
// modules and find handles alike.

#include <windows.h>

#include <utility>

namespace vorlan {

template <typename Traits>
class TUniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle handle) : handle_(handle) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& other) noexcept : handle_(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  bool Valid() const { return handle_ != Traits::None(); }
  explicit operator bool() const { return Valid(); }

  // Gives the handle up without releasing it.
  Handle Release() { return std::exchange(handle_, Traits::None()); }
  void Reset(Handle handle = Traits::None()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::None()) Traits::Close(old);
  }
  // For functions that hand out a new handle through a pointer.
  Handle* Receive() {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::None();
};

struct TKeyTraits {
  using Handle = HKEY;
  static Handle None() { return nullptr; }
  static void Close(Handle key) { RegCloseKey(key); }
};

// Processes, threads, events: "none" is null.
struct TKernelHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return nullptr; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

// Files from CreateFile: "none" is INVALID_HANDLE_VALUE.
struct TFileHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

struct TModuleTraits {
  using Handle = HMODULE;
  static Handle None() { return nullptr; }
  static void Close(Handle module) { FreeLibrary(module); }
};

struct TFindHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { FindClose(handle); }
};

using TUniqueKey = TUniqueHandle<TKeyTraits>;
using TUniqueKernelHandle = TUniqueHandle<TKernelHandleTraits>;
using TUniqueFileHandle = TUniqueHandle<TFileHandleTraits>;
using TUniqueModule = TUniqueHandle<TModuleTraits>;
using TUniqueFindHandle = TUniqueHandle<TFindHandleTraits>;

}  // namespace vorlan
