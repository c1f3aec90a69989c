#pragma once
// The Secure Hash Algorithm digests: SHA-1, and SHA-0, its first edition,
// whose message expansion lacks the one-bit rotation. SHA-0 marks built
// executables with a checksum; SHA-1 digests passwords.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlan {

using TShaDigest = std::array<uint8_t, 20>;

enum class TShaVariant { Sha0, Sha1 };

// Feed the message in pieces of any size, then take the digest once.
class TSha {
 public:
  explicit TSha(TShaVariant variant);

  void Update(const void* data, size_t count);
  void Update(std::string_view text) { Update(text.data(), text.size()); }
  // Pads the message; the object is spent afterwards.
  TShaDigest Final();

 private:
  void Compress(const uint8_t* block);
  void CompressBlocks(const uint8_t* blocks, size_t count);

  TShaVariant variant_;
  std::array<uint32_t, 5> state_;
  std::array<uint8_t, 64> block_{};
  size_t block_used_ = 0;
  uint64_t length_ = 0;  // bytes
};

TShaDigest Sha0(std::string_view data);
TShaDigest Sha1(std::string_view data);
// 40 upper-case hexadecimal characters.
std::string DigestToHex(const TShaDigest& digest);

}  // namespace vorlan
