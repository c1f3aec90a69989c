#pragma once
// SHA-0 blocks on the processor's SHA extensions, where it has them: they
// hash several times faster than the portable rounds.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vorlan {

// Whether the processor and the system offer the extensions.
bool Sha0HardwareAvailable();
// Hashes count 64-byte blocks into state; only when available.
void Sha0HardwareBlocks(std::array<uint32_t, 5>& state, const uint8_t* blocks, size_t count);

}  // namespace vorlan
