#include "system/file_attributes.h"

#include <windows.h>

#include "base/exceptions.h"
#include "base/file.h"
#include "system/unique_handle.h"

namespace vorlan {

namespace {
struct TAttributeMapping {
  TVorlanFileAttributes element;
  DWORD bit;
  bool reported;
};

constexpr TAttributeMapping kMappings[] = {
    {vfaArchive, FILE_ATTRIBUTE_ARCHIVE, true},     {vfaDirectory, FILE_ATTRIBUTE_DIRECTORY, false},
    {vfaHidden, FILE_ATTRIBUTE_HIDDEN, true},       {vfaNormal, FILE_ATTRIBUTE_NORMAL, true},
    {vfaOffline, FILE_ATTRIBUTE_OFFLINE, false},    {vfaReadOnly, FILE_ATTRIBUTE_READONLY, true},
    {vfaSystem, FILE_ATTRIBUTE_SYSTEM, true},       {vfaTemporary, FILE_ATTRIBUTE_TEMPORARY, true},
};
}  // namespace

uint32_t AttributeBitsOf(TVorlanFileAttributesSet set) {
  uint32_t bits = 0;
  for (const auto& m : kMappings) {
    if (set & VfaBit(m.element)) bits |= m.bit;
  }
  return bits;
}

TVorlanFileAttributesSet AttributeSetOf(uint32_t bits) {
  TVorlanFileAttributesSet set = 0;
  for (const auto& m : kMappings) {
    if (m.reported && (bits & m.bit)) set |= VfaBit(m.element);
  }
  return set;
}

void SetFileAttributeSet(const std::string& file_name, TVorlanFileAttributesSet set) {
  if (!SetFileAttributesA(file_name.c_str(), AttributeBitsOf(set))) {
    throw IEfcSetAttributes("Cannot set file attributes. Error : %s", LastErrorMessage());
  }
}

void GetFileAttributeSet(const std::string& file_name, TVorlanFileAttributesSet& set) {
  TUniqueFileHandle file(CreateFileA(file_name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD bits = GetFileAttributesA(file_name.c_str());
  if (bits == INVALID_FILE_ATTRIBUTES) return;
  set = AttributeSetOf(bits);
}

}  // namespace vorlan
