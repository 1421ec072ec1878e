#pragma once
// Layout of the binary payload and the key it is encrypted under.
#include <cstddef>
#include <cstdint>

#include "cipher/chacha20.h"

namespace cipher {

inline constexpr std::uint8_t kPayloadVersion = 1;
inline constexpr std::size_t kHeaderBytes = 1 + 12;  // version, nonce
inline constexpr std::size_t kCheckBytes = 4;        // CRC-32, little-endian, after the text
inline constexpr std::uint32_t kFirstCounter = 1;

// Bytes are converted, checked, encrypted and written in pieces of this size, so that each
// piece stays in the cache between the steps.
inline constexpr std::size_t kPieceBytes = 16 * 1024;

// The engine's own key: the encoding is a transport form, not a secret between two people.
inline constexpr ChaChaKey kEngineKey = {
    0xce, 0x62, 0x2f, 0xe4, 0xd4, 0x55, 0x89, 0x21, 0x08, 0x73, 0x4d, 0x8b, 0xf5, 0xce, 0xf4, 0x51,
    0xca, 0xa9, 0xae, 0xdf, 0xda, 0x5b, 0x66, 0x5a, 0xa0, 0x51, 0x78, 0x00, 0x3a, 0xee, 0xd7, 0x12,
};

}  // namespace cipher
