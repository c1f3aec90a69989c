#include "engine/picture.h"

#include <windows.h>

namespace vorlan {

bool TPicture::LoadFromResource(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!resource) return false;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  DWORD size = SizeofResource(module, resource);
  if (!bytes || size < sizeof(BITMAPINFOHEADER)) return false;
  const auto* first = static_cast<const uint8_t*>(bytes);
  data_.assign(first, first + size);
  const auto* header = static_cast<const BITMAPINFOHEADER*>(bytes);
  width_ = header->biWidth;
  height_ = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  return true;
}

const TClassInfo& TPicture::StaticClassInfo() {
  static const TClassInfo info = TClassInfo::Define<TPicture, TPersistent>("TPicture", [](auto& p) {
    using T = TPicture;
    p.Binary("Data", &T::Data, &T::SetData);
    p.Integer("Width", &T::Width, &T::SetWidth).Default(int64_t{0});
    p.Integer("Height", &T::Height, &T::SetHeight).Default(int64_t{0});
  });
  return info;
}

}  // namespace vorlan
