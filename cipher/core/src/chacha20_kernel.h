// The ChaCha20 block function for many blocks side by side, in plain C++ that the compiler
// vectorises. Included by one source file per instruction set, each compiled with its own
// flags: everything here has internal linkage, so no copy built for a wider instruction set
// can stand in for another at link time. The includer names the entry point.
#ifndef CIPHER_CHACHA_KERNEL
#error "define CIPHER_CHACHA_KERNEL to the entry point's name"
#endif

#include <cstddef>
#include <cstdint>

#include "chacha20_kernels.h"

namespace cipher {
namespace {

constexpr std::size_t kLanes = kChaChaLanes;
using Lanes = std::uint32_t[16][kLanes];  // word i of block l is [i][l]

inline std::uint32_t Rotl(std::uint32_t v, int n) { return (v << n) | (v >> (32 - n)); }

// One quarter round on every lane; each statement becomes vector instructions.
inline void QuarterRound(Lanes& x, int a, int b, int c, int d) {
    for (std::size_t l = 0; l < kLanes; ++l) {
        x[a][l] += x[b][l];
        x[d][l] = Rotl(x[d][l] ^ x[a][l], 16);
        x[c][l] += x[d][l];
        x[b][l] = Rotl(x[b][l] ^ x[c][l], 12);
        x[a][l] += x[b][l];
        x[d][l] = Rotl(x[d][l] ^ x[a][l], 8);
        x[c][l] += x[d][l];
        x[b][l] = Rotl(x[b][l] ^ x[c][l], 7);
    }
}

// kLanes consecutive blocks from the counter in state[12].
inline void MakeBatch(const std::uint32_t* state, Lanes& out) {
    Lanes x;
    for (std::size_t i = 0; i < 16; ++i)
        for (std::size_t l = 0; l < kLanes; ++l) x[i][l] = state[i];
    for (std::size_t l = 0; l < kLanes; ++l) x[12][l] += static_cast<std::uint32_t>(l);
    for (int round = 0; round < 10; ++round) {
        QuarterRound(x, 0, 4, 8, 12);
        QuarterRound(x, 1, 5, 9, 13);
        QuarterRound(x, 2, 6, 10, 14);
        QuarterRound(x, 3, 7, 11, 15);
        QuarterRound(x, 0, 5, 10, 15);
        QuarterRound(x, 1, 6, 11, 12);
        QuarterRound(x, 2, 7, 8, 13);
        QuarterRound(x, 3, 4, 9, 14);
    }
    for (std::size_t i = 0; i < 16; ++i)
        for (std::size_t l = 0; l < kLanes; ++l) out[i][l] = x[i][l] + state[i];
    for (std::size_t l = 0; l < kLanes; ++l) out[12][l] += static_cast<std::uint32_t>(l);
}

// data ^= the batch, block after block, each word little-endian.
inline void XorBatch(const Lanes& ks, std::uint8_t* data) {
    for (std::size_t l = 0; l < kLanes; ++l)
        for (std::size_t i = 0; i < 16; ++i) {
            std::uint8_t* p = data + 64 * l + 4 * i;
            const std::uint32_t k = ks[i][l];
            p[0] = static_cast<std::uint8_t>(p[0] ^ k);
            p[1] = static_cast<std::uint8_t>(p[1] ^ (k >> 8));
            p[2] = static_cast<std::uint8_t>(p[2] ^ (k >> 16));
            p[3] = static_cast<std::uint8_t>(p[3] ^ (k >> 24));
        }
}

}  // namespace

void CIPHER_CHACHA_KERNEL(const std::uint32_t* state, std::uint8_t* data, std::size_t batches) {
    std::uint32_t s[16];
    for (std::size_t i = 0; i < 16; ++i) s[i] = state[i];
    Lanes ks;
    for (std::size_t b = 0; b < batches; ++b, data += 64 * kLanes) {
        MakeBatch(s, ks);
        s[12] += static_cast<std::uint32_t>(kLanes);
        XorBatch(ks, data);
    }
}

}  // namespace cipher
