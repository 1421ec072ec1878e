#include "cipher/chacha20.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "chacha20_kernels.h"
#include "hex.h"

namespace {

cipher::ChaChaKey RfcKey() {
    cipher::ChaChaKey key;
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<std::uint8_t>(i);
    return key;
}

template <std::size_t N>
std::array<std::uint8_t, N> ArrayFromHex(std::string_view hex) {
    const auto v = FromHex(hex);
    std::array<std::uint8_t, N> a{};
    std::copy(v.begin(), v.end(), a.begin());
    return a;
}

// RFC 8439, 2.3.2
TEST(ChaCha20, BlockFunctionTestVector) {
    const auto nonce = ArrayFromHex<12>("00 00 00 09 00 00 00 4a 00 00 00 00");
    const auto block = cipher::ChaCha20Block(RfcKey(), 1, nonce);
    const auto expected = FromHex(
        "10 f1 e7 e4 d1 3b 59 15 50 0f dd 1f a3 20 71 c4 c7 d1 f4 c7 33 c0 68 03 04 22 aa 9a c3 d4 6c 4e"
        "d2 82 64 46 07 9f aa 09 14 c2 d7 05 d9 8b 02 a2 b5 12 9c d1 de 16 4e b9 cb d0 83 e8 a2 50 3c 4e");
    EXPECT_EQ(std::vector<std::uint8_t>(block.begin(), block.end()), expected);
}

// RFC 8439, 2.4.2
TEST(ChaCha20, EncryptionTestVector) {
    const std::string plain =
        "Ladies and Gentlemen of the class of '99: If I could offer you only one tip for the future, "
        "sunscreen would be it.";
    std::vector<std::uint8_t> data(plain.begin(), plain.end());
    cipher::ChaCha20 chacha(RfcKey(), ArrayFromHex<12>("00 00 00 00 00 00 00 4a 00 00 00 00"), 1);
    chacha.Apply(data.data(), data.size());
    EXPECT_EQ(data, FromHex("6e 2e 35 9a 25 68 f9 80 41 ba 07 28 dd 0d 69 81 e9 7e 7a ec 1d 43 60 c2 0a 27 af cc fd 9f ae 0b"
                            "f9 1b 65 c5 52 47 33 ab 8f 59 3d ab cd 62 b3 57 16 39 d6 24 e6 51 52 ab 8f 53 0c 35 9f 08 61 d8"
                            "07 ca 0d bf 50 0d 6a 61 56 a3 8e 08 8a 22 b6 5e 52 bc 51 4d 16 cc f8 06 81 8c e9 1a b7 79 37 36"
                            "5a f9 0b bf 74 a3 5b e6 b4 0b 8e ed f2 78 5e 42 87 4d"));
}

// The stream makes many blocks at once and keeps the rest of a batch for the next call: it must
// still give block after block of the single-block function, however the message is cut.
TEST(ChaCha20, StreamEqualsConsecutiveBlocksForAnyCuts) {
    const cipher::ChaChaKey key = RfcKey();
    const auto nonce = ArrayFromHex<12>("01 02 03 04 05 06 07 08 09 0a 0b 0c");
    const std::uint32_t first = 0xFFFFFF00u;  // a counter with its high bits set
    const std::size_t size = 3 * cipher::ChaCha20::kBatchBytes + 100;
    std::vector<std::uint8_t> expected;
    for (std::uint32_t c = first; expected.size() < size; ++c) {
        const auto block = cipher::ChaCha20Block(key, c, nonce);
        expected.insert(expected.end(), block.begin(), block.end());
    }
    expected.resize(size);

    const std::vector<std::vector<std::size_t>> cuts = {
        {size},
        {1, 63, 64, 65, cipher::ChaCha20::kBatchBytes - 1, 2, cipher::ChaCha20::kBatchBytes},
        {cipher::ChaCha20::kBatchBytes, cipher::ChaCha20::kBatchBytes + 7, 0, 5},
        {17, 17, 17, 17, 17, 17, 17, 17, 17, 17},
    };
    for (const auto& pieces : cuts) {
        std::vector<std::uint8_t> stream(size, 0);
        cipher::ChaCha20 chacha(key, nonce, first);
        std::size_t at = 0;
        for (std::size_t piece : pieces) {
            const std::size_t n = std::min(piece, size - at);
            chacha.Apply(stream.data() + at, n);
            at += n;
        }
        chacha.Apply(stream.data() + at, size - at);
        EXPECT_EQ(stream, expected) << "first piece " << pieces.front();
    }
}

// Each instruction set's build of the kernel against the single-block function, across a
// counter that wraps inside a batch.
TEST(ChaCha20, EveryKernelThisProcessorRunsGivesTheSameKeystream) {
    const cipher::ChaChaKey key = RfcKey();
    const auto nonce = ArrayFromHex<12>("00 00 00 09 00 00 00 4a 00 00 00 00");
    const std::uint32_t first = 0xFFFFFFF8u;
    const std::size_t batches = 3;
    std::vector<std::uint8_t> expected;
    for (std::uint32_t c = first; expected.size() < batches * cipher::ChaCha20::kBatchBytes; ++c) {
        const auto block = cipher::ChaCha20Block(key, c, nonce);
        expected.insert(expected.end(), block.begin(), block.end());
    }
    std::uint32_t state[16] = {0x61707865, 0x3320646e, 0x79622d32, 0x6b206574};
    for (int i = 0; i < 8; ++i) state[4 + i] = 0x03020100u + 0x04040404u * static_cast<std::uint32_t>(i);
    state[12] = first;
    state[13] = 0x09000000u;
    state[14] = 0x4a000000u;
    state[15] = 0;
    const auto kernels = cipher::SupportedChaChaKernels();
    for (std::size_t k = 0; k < kernels.size(); ++k) {
        std::vector<std::uint8_t> stream(expected.size(), 0);
        kernels[k](state, stream.data(), batches);
        EXPECT_EQ(stream, expected) << "kernel " << k << " of " << kernels.size();
    }
}

}  // namespace
