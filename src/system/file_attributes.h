#pragma once
// File attributes as a set, mapped to the Windows attribute bits.

#include <cstdint>
#include <string>

namespace vorlan {

enum TVorlanFileAttributes : uint8_t {
  vfaArchive,
  vfaCompressed,  // never set nor reported
  vfaDirectory,   // set only
  vfaHidden,
  vfaNormal,
  vfaOffline,  // set only
  vfaReadOnly,
  vfaSystem,
  vfaTemporary,
};

// Bit n stands for the element of ordinal n.
using TVorlanFileAttributesSet = uint16_t;

constexpr TVorlanFileAttributesSet VfaBit(TVorlanFileAttributes element) {
  return static_cast<TVorlanFileAttributesSet>(1u << element);
}

// The Windows attribute bits of a set, and the set Windows' bits report.
uint32_t AttributeBitsOf(TVorlanFileAttributesSet set);
TVorlanFileAttributesSet AttributeSetOf(uint32_t bits);

// Sets exactly the attributes of the set; raises IEfcSetAttributes
// "Cannot set file attributes. Error : %s" when the system refuses.
void SetFileAttributeSet(const std::string& file_name, TVorlanFileAttributesSet set);

// When the file can be opened for reading without sharing, set becomes
// exactly its reportable attributes; otherwise set is left as it was.
void GetFileAttributeSet(const std::string& file_name, TVorlanFileAttributesSet& set);

}  // namespace vorlan
