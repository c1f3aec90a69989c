#include "base/sha.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlan {
namespace {

const std::string kTwoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";

struct TVector {
  TShaVariant variant;
  std::string message;
  const char* digest;
};

// The published test vectors of both editions of the standard.
TEST(ShaTest, PublishedVectors) {
  const std::string million(1000000, 'a');
  const TVector vectors[] = {
      {TShaVariant::Sha0, "abc", "0164B8A914CD2A5E74C4F7FF082C4D97F1EDF880"},
      {TShaVariant::Sha0, kTwoBlocks, "D2516EE1ACFA5BAF33DFC1C471E438449EF134C8"},
      {TShaVariant::Sha0, million, "3232AFFA48628A26653B5AAA44541FD90D690603"},
      {TShaVariant::Sha1, "abc", "A9993E364706816ABA3E25717850C26C9CD0D89D"},
      {TShaVariant::Sha1, "", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
      {TShaVariant::Sha1, kTwoBlocks, "84983E441C3BD26EBAAE4AA1F95129E5E54670F1"},
      {TShaVariant::Sha1, million, "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F"},
  };
  for (const auto& v : vectors) {
    TSha sha(v.variant);
    sha.Update(v.message);
    EXPECT_EQ(DigestToHex(sha.Final()), v.digest) << v.message.substr(0, 60);
  }
  EXPECT_EQ(DigestToHex(Sha0("abc")), "0164B8A914CD2A5E74C4F7FF082C4D97F1EDF880");
  EXPECT_EQ(DigestToHex(Sha1("abc")), "A9993E364706816ABA3E25717850C26C9CD0D89D");
}

// Pieces that straddle the 64-byte blocks and the 56-byte padding limit
// give the digest of the whole message. A whole message goes through the
// processor's SHA extensions where it has them, a piece of one byte never.
TEST(ShaTest, PiecesGiveTheDigestOfTheWhole) {
  for (TShaVariant variant : {TShaVariant::Sha0, TShaVariant::Sha1}) {
    for (size_t length : {55u, 56u, 63u, 64u, 65u, 119u, 120u, 1000u}) {
      std::string message;
      for (size_t i = 0; i < length; ++i) message += static_cast<char>('a' + i * 7 % 26);
      TSha whole(variant);
      whole.Update(message);
      const TShaDigest expected = whole.Final();
      for (size_t piece : {1u, 3u, 17u, 64u}) {
        TSha sha(variant);
        for (size_t at = 0; at < length; at += piece) sha.Update(message.substr(at, piece));
        EXPECT_EQ(sha.Final(), expected) << length << " in pieces of " << piece;
      }
    }
  }
}

}  // namespace
}  // namespace vorlan
