#include "base/sha.h"

#include <algorithm>
#include <cstring>

#include "base/sha0_hardware.h"

namespace vorlan {

namespace {
uint32_t Rotl(uint32_t value, int bits) { return (value << bits) | (value >> (32 - bits)); }

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// One block: four runs of twenty rounds, each with its own function, and
// the schedule in sixteen words. A setup checks the digest of all of
// itself before it starts, and the hash is most of that wait.
template <bool kRotate>
void CompressBlock(std::array<uint32_t, 5>& state, const uint8_t* block) {
  uint32_t w[16];
  for (int i = 0; i < 16; ++i) w[i] = BigEndian32(block + 4 * i);
  auto next = [&w](int i) {
    uint32_t x = w[(i + 13) & 15] ^ w[(i + 8) & 15] ^ w[(i + 2) & 15] ^ w[i & 15];
    return w[i & 15] = kRotate ? Rotl(x, 1) : x;
  };
  auto word = [&](int i) { return i < 16 ? w[i] : next(i); };
  uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
  auto round = [&](uint32_t f, uint32_t k, uint32_t x) {
    uint32_t t = Rotl(a, 5) + f + e + k + x;
    e = d;
    d = c;
    c = Rotl(b, 30);
    b = a;
    a = t;
  };
  for (int i = 0; i < 20; ++i) round(d ^ (b & (c ^ d)), 0x5A827999, word(i));
  for (int i = 20; i < 40; ++i) round(b ^ c ^ d, 0x6ED9EBA1, next(i));
  for (int i = 40; i < 60; ++i) round((b & c) | (d & (b | c)), 0x8F1BBCDC, next(i));
  for (int i = 60; i < 80; ++i) round(b ^ c ^ d, 0xCA62C1D6, next(i));
  state[0] += a;
  state[1] += b;
  state[2] += c;
  state[3] += d;
  state[4] += e;
}
}  // namespace

TSha::TSha(TShaVariant variant)
    : variant_(variant), state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

void TSha::Compress(const uint8_t* block) {
  if (variant_ == TShaVariant::Sha1) {
    CompressBlock<true>(state_, block);
  } else {
    CompressBlock<false>(state_, block);
  }
}

void TSha::CompressBlocks(const uint8_t* blocks, size_t count) {
  static const bool hardware = Sha0HardwareAvailable();
  if (variant_ == TShaVariant::Sha0 && hardware) return Sha0HardwareBlocks(state_, blocks, count);
  for (size_t i = 0; i < count; ++i) Compress(blocks + i * block_.size());
}

// Whole blocks are hashed where they lie; only a partial one is gathered.
void TSha::Update(const void* data, size_t count) {
  auto bytes = static_cast<const uint8_t*>(data);
  length_ += count;
  if (block_used_ > 0) {
    size_t take = std::min(count, block_.size() - block_used_);
    std::memcpy(block_.data() + block_used_, bytes, take);
    block_used_ += take;
    bytes += take;
    count -= take;
    if (block_used_ < block_.size()) return;
    Compress(block_.data());
    block_used_ = 0;
  }
  size_t whole = count / block_.size();
  CompressBlocks(bytes, whole);
  bytes += whole * block_.size();
  count -= whole * block_.size();
  std::memcpy(block_.data(), bytes, count);
  block_used_ = count;
}

TShaDigest TSha::Final() {
  uint64_t bits = length_ * 8;
  static const uint8_t kPad[64] = {0x80};
  size_t pad = block_used_ < 56 ? 56 - block_used_ : 120 - block_used_;
  Update(kPad, pad);
  uint8_t tail[8];
  for (int i = 0; i < 8; ++i) tail[i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
  Update(tail, sizeof tail);
  TShaDigest digest;
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(state_[i] >> (24 - 8 * j));
  }
  return digest;
}

TShaDigest Sha0(std::string_view data) {
  TSha sha(TShaVariant::Sha0);
  sha.Update(data);
  return sha.Final();
}

TShaDigest Sha1(std::string_view data) {
  TSha sha(TShaVariant::Sha1);
  sha.Update(data);
  return sha.Final();
}

std::string DigestToHex(const TShaDigest& digest) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t byte : digest) {
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
  }
  return text;
}

}  // namespace vorlan
