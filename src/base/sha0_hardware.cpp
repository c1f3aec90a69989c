#include "base/sha0_hardware.h"

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>

namespace vorlan {

namespace {
#define VORLAN_SHA_TARGET __attribute__((target("sha,sse4.1"), always_inline)) inline

// The next four schedule words from the sixteen before them, lane 3 holding
// the first. SHA-0 has no rotation, so only the exclusive-or half of the
// extensions' schedule serves; the last lane needs the first lane's new
// word, taken in afterwards.
VORLAN_SHA_TARGET __m128i NextWords(__m128i w16, __m128i w12, __m128i w8, __m128i w4) {
  __m128i x = _mm_xor_si128(_mm_sha1msg1_epu32(w16, w12), w8);
  x = _mm_xor_si128(x, _mm_slli_si128(w4, 4));
  return _mm_xor_si128(x, _mm_srli_si128(x, 12));
}

// Five groups of four rounds with the round function F.
template <int F>
VORLAN_SHA_TARGET void Groups(__m128i (&w)[4], int first, __m128i& abcd, __m128i& e, __m128i& before) {
  for (int g = first; g < first + 5; ++g) {
    if (g >= 4) w[g & 3] = NextWords(w[g & 3], w[(g + 1) & 3], w[(g + 2) & 3], w[(g + 3) & 3]);
    __m128i with_e = g == 0 ? _mm_add_epi32(e, w[0]) : _mm_sha1nexte_epu32(before, w[g & 3]);
    before = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, with_e, F);
  }
}
}  // namespace

bool Sha0HardwareAvailable() {
  unsigned a, b, c, d;
  if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_SSE4_1) || !(c & bit_SSSE3)) return false;
  // The system must keep the vector registers across task switches; one
  // that says so through XSAVE does. An older system that keeps them
  // without it gets the portable rounds.
  if (!(c & bit_OSXSAVE)) return false;
  unsigned low, high;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  if (!(low & 2)) return false;
  return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & bit_SHA);
}

// 32-bit Windows keeps the stack at four-byte alignment only, and the
// vectors spilled to it need sixteen.
__attribute__((target("sha,sse4.1"), force_align_arg_pointer)) void Sha0HardwareBlocks(
    std::array<uint32_t, 5>& state, const uint8_t* blocks, size_t count) {
  const __m128i byte_order = _mm_set_epi64x(0x0001020304050607LL, 0x08090a0b0c0d0e0fLL);
  __m128i abcd = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state.data())), 0x1B);
  __m128i e = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
  for (; count > 0; --count, blocks += 64) {
    __m128i w[4];
    for (int i = 0; i < 4; ++i) {
      w[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * i)), byte_order);
    }
    __m128i abcd_start = abcd, e_start = e, before = abcd;
    Groups<0>(w, 0, abcd, e, before);
    Groups<1>(w, 5, abcd, e, before);
    Groups<2>(w, 10, abcd, e, before);
    Groups<3>(w, 15, abcd, e, before);
    e = _mm_sha1nexte_epu32(before, e_start);
    abcd = _mm_add_epi32(abcd, abcd_start);
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state.data()), _mm_shuffle_epi32(abcd, 0x1B));
  state[4] = static_cast<uint32_t>(_mm_extract_epi32(e, 3));
}

}  // namespace vorlan

#else

namespace vorlan {
bool Sha0HardwareAvailable() { return false; }
void Sha0HardwareBlocks(std::array<uint32_t, 5>&, const uint8_t*, size_t) {}
}  // namespace vorlan

#endif
