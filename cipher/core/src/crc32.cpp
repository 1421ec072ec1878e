#include "cipher/crc32.h"

#include <array>

#include "bytes.h"

namespace cipher {
namespace {

// Slicing by 16: table k gives the CRC of a byte followed by k zero bytes, so sixteen
// independent look-ups replace sixteen dependent steps.
constexpr std::size_t kSlices = 16;
using Tables = std::array<std::array<std::uint32_t, 256>, kSlices>;

constexpr Tables MakeTables() {
    Tables t{};
    for (std::uint32_t b = 0; b < 256; ++b) {
        std::uint32_t c = b;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        t[0][b] = c;
    }
    for (std::size_t k = 1; k < kSlices; ++k)
        for (std::size_t b = 0; b < 256; ++b) t[k][b] = (t[k - 1][b] >> 8) ^ t[0][t[k - 1][b] & 0xFF];
    return t;
}

constexpr Tables kTables = MakeTables();

}  // namespace

void Crc32::Update(const std::uint8_t* p, std::size_t size) {
    const auto& t = kTables;
    std::uint32_t c = state_;
    for (; size >= kSlices; p += kSlices, size -= kSlices) {
        const std::uint32_t a = LoadLe32(p) ^ c;
        const std::uint32_t b = LoadLe32(p + 4);
        const std::uint32_t d = LoadLe32(p + 8);
        const std::uint32_t e = LoadLe32(p + 12);
        c = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
            t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
            t[7][d & 0xFF] ^ t[6][(d >> 8) & 0xFF] ^ t[5][(d >> 16) & 0xFF] ^ t[4][d >> 24] ^
            t[3][e & 0xFF] ^ t[2][(e >> 8) & 0xFF] ^ t[1][(e >> 16) & 0xFF] ^ t[0][e >> 24];
    }
    for (; size > 0; ++p, --size) c = (c >> 8) ^ t[0][(c ^ *p) & 0xFF];
    state_ = c;
}

std::uint32_t Crc32Of(const std::uint8_t* data, std::size_t size) {
    Crc32 crc;
    crc.Update(data, size);
    return crc.Value();
}

}  // namespace cipher
