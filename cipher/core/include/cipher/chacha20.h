#pragma once
// ChaCha20 of RFC 8439: 20 rounds, 256-bit key, 96-bit nonce, 32-bit block counter.
#include <array>
#include <cstddef>
#include <cstdint>

namespace cipher {

using ChaChaKey = std::array<std::uint8_t, 32>;
using ChaChaNonce = std::array<std::uint8_t, 12>;

// The keystream block for one counter value.
std::array<std::uint8_t, 64> ChaCha20Block(const ChaChaKey& key, std::uint32_t counter,
                                           const ChaChaNonce& nonce);

// XORs the keystream into data; each call continues where the previous one stopped, so a
// message may be fed in pieces of any size. The caller keeps the message under 2^32 blocks.
class ChaCha20 {
public:
    ChaCha20(const ChaChaKey& key, const ChaChaNonce& nonce, std::uint32_t counter);
    void Apply(std::uint8_t* data, std::size_t size);

    // Blocks are made this many at a time, so that the compiler can run them side by side.
    static constexpr std::size_t kLanes = 16;
    static constexpr std::size_t kBatchBytes = 64 * kLanes;

private:
    std::array<std::uint32_t, 16> state_;  // state_[12] is the counter of the next batch
    void (*kernel_)(const std::uint32_t*, std::uint8_t*, std::size_t);  // the widest the processor has
    std::array<std::uint8_t, kBatchBytes> spare_;
    std::size_t spare_used_ = kBatchBytes;  // keystream bytes of spare_ already handed out
};

}  // namespace cipher
