#pragma once
// Memory that the shell or COM hands out and the caller must give back to
// the COM task allocator (item identifier lists, strings from COM calls),
// owned like any other handle.

#include <objbase.h>

#include "system/unique_handle.h"

namespace vorlan {

template <typename T>
struct TCoTaskMemTraits {
  using Handle = T*;
  static Handle None() { return nullptr; }
  static void Close(Handle memory) { CoTaskMemFree(memory); }
};

template <typename T>
using TUniqueCoTaskMem = TUniqueHandle<TCoTaskMemTraits<T>>;

}  // namespace vorlan
