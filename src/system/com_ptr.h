#pragma once
// TComPtr: sole owner of one COM interface reference, released when the
// owner goes. TComInitScope: COM initialised on this thread for as long as
// it lives (balanced only when the initialisation succeeded).

#include <objbase.h>

#include <string>
#include <utility>

#include "base/format.h"
#include "base/strings.h"

namespace vorlan {

template <typename I>
class TComPtr {
 public:
  TComPtr() = default;
  ~TComPtr() { Reset(); }
  TComPtr(TComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  TComPtr& operator=(TComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  I* operator->() const { return p_; }
  I* Get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For functions that hand out a new reference through a pointer.
  I** Receive() {
    Reset();
    return &p_;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  I* p_ = nullptr;
};

class TComInitScope {
 public:
  TComInitScope() : result_(CoInitialize(nullptr)) {}
  ~TComInitScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  TComInitScope(const TComInitScope&) = delete;
  TComInitScope& operator=(const TComInitScope&) = delete;
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_;
};

// The system's text for a COM result, or its number when the system has
// none.
inline std::string ComErrorText(HRESULT result) {
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                 nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = text ? Trim(text) : Format("OLE error %x", static_cast<unsigned>(result));
  if (text) LocalFree(text);
  return message;
}

}  // namespace vorlan
