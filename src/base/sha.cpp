#include "base/sha.h"

#include <algorithm>
#include <cstring>

namespace vorlan {

namespace {
uint32_t Rotl(uint32_t value, int bits) { return (value << bits) | (value >> (32 - bits)); }

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
}  // namespace

TSha::TSha(TShaVariant variant)
    : variant_(variant), state_{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0} {}

void TSha::Compress(const uint8_t* block) {
  uint32_t w[80];
  for (int i = 0; i < 16; ++i) w[i] = BigEndian32(block + 4 * i);
  for (int i = 16; i < 80; ++i) {
    uint32_t x = w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16];
    w[i] = variant_ == TShaVariant::Sha1 ? Rotl(x, 1) : x;
  }
  uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3], e = state_[4];
  for (int i = 0; i < 80; ++i) {
    uint32_t f, k;
    if (i < 20) {
      f = (b & c) | (~b & d);
      k = 0x5A827999;
    } else if (i < 40) {
      f = b ^ c ^ d;
      k = 0x6ED9EBA1;
    } else if (i < 60) {
      f = (b & c) | (b & d) | (c & d);
      k = 0x8F1BBCDC;
    } else {
      f = b ^ c ^ d;
      k = 0xCA62C1D6;
    }
    uint32_t t = Rotl(a, 5) + f + e + k + w[i];
    e = d;
    d = c;
    c = Rotl(b, 30);
    b = a;
    a = t;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
  state_[4] += e;
}

void TSha::Update(const void* data, size_t count) {
  auto bytes = static_cast<const uint8_t*>(data);
  length_ += count;
  while (count > 0) {
    size_t take = std::min(count, block_.size() - block_used_);
    std::memcpy(block_.data() + block_used_, bytes, take);
    block_used_ += take;
    bytes += take;
    count -= take;
    if (block_used_ == block_.size()) {
      Compress(block_.data());
      block_used_ = 0;
    }
  }
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
