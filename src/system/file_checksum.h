#pragma once
// The checksum that marks a built executable: the SHA-0 digest of its bytes
// as 40 upper-case hexadecimal characters, appended to the file itself.

#include <string>

namespace vorlan {

// The digest of the whole file, or of all but its last 40 bytes when
// exclude_trailer is set. Raises Exception "Can't find file "%s"!" when the
// file is missing.
std::string CalcFileCheckSum(const std::string& file_name, bool exclude_trailer);

// Appends checksum (computed first when empty), so the file ends in the
// digest of everything before it. Raises Exception "Can't calculete CheckSum"
// when the checksum is not 40 characters long.
void AddFileCheckSum(const std::string& file_name, std::string checksum = {});

}  // namespace vorlan
