#include "cipher/crc32.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

std::uint32_t CrcOf(std::string_view s) {
    return cipher::Crc32Of(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

// Bit by bit, straight from the polynomial: a reference the fast tables must agree with.
std::uint32_t BitwiseCrc(const std::vector<std::uint8_t>& data) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : data) {
        c ^= b;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

TEST(Crc32, KnownValues) {
    EXPECT_EQ(CrcOf("123456789"), 0xCBF43926u);
    EXPECT_EQ(CrcOf(""), 0u);
    EXPECT_EQ(CrcOf("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(Crc32, AgreesWithBitwiseReferenceAtEveryLengthAndSplit) {
    std::vector<std::uint8_t> data(300);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 131 + (i >> 3));
    for (std::size_t n = 0; n <= data.size(); ++n) {
        const std::vector<std::uint8_t> prefix(data.begin(), data.begin() + n);
        ASSERT_EQ(cipher::Crc32Of(prefix.data(), n), BitwiseCrc(prefix)) << "length " << n;
        // fed in two pieces, split anywhere
        const std::size_t split = n / 3;
        cipher::Crc32 crc;
        crc.Update(prefix.data(), split);
        crc.Update(prefix.data() + split, n - split);
        ASSERT_EQ(crc.Value(), BitwiseCrc(prefix)) << "length " << n;
    }
}

}  // namespace
