#include "wexlin/files/windows1252.h"

#include <array>
#include <cstring>

#include "windows1252_widen.h"

namespace wexlin::files {
namespace {

// Bytes 0x80 to 0x9F; the five undefined ones stand for themselves.
constexpr std::array<char16_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr std::array<char16_t, 256> MakeTable() {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = static_cast<char16_t>(b);
    for (int i = 0; i < 32; ++i) table[0x80 + i] = kHighBlock[i];
    return table;
}

constexpr std::array<char16_t, 256> kTable = MakeTable();

bool AllAscii(const unsigned char* p) {  // 16 bytes
    std::uint64_t a, b;
    std::memcpy(&a, p, 8);
    std::memcpy(&b, p + 8, 8);
    return ((a | b) & 0x8080808080808080u) == 0;
}

}  // namespace

char16_t Windows1252Char(std::uint8_t byte) { return kTable[byte]; }

std::optional<std::uint8_t> Windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == c) return static_cast<std::uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

bool FitsWindows1252(std::u16string_view text) {
    for (char16_t c : text) {
        if (c >= 0x80 && !Windows1252Byte(c)) return false;
    }
    return true;
}

std::optional<std::string> ToWindows1252(std::u16string_view text) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::optional<std::uint8_t> byte = Windows1252Byte(text[i]);
        if (!byte) return std::nullopt;
        out[i] = static_cast<char>(*byte);
    }
    return out;
}

void WidenWindows1252(const char* bytes, std::size_t size, char16_t* out) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t i = 0;
    // Text is mostly ASCII: widen whole blocks of it, which the compiler vectorises.
    for (; i + 16 <= size; i += 16) {
        if (AllAscii(in + i)) {
            for (std::size_t j = 0; j < 16; ++j) out[i + j] = in[i + j];
        } else {
            for (std::size_t j = 0; j < 16; ++j) out[i + j] = kTable[in[i + j]];
        }
    }
    for (; i < size; ++i) out[i] = kTable[in[i]];
}

std::u16string FromWindows1252(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');
    WidenWindows1252(bytes.data(), bytes.size(), out.data());
    return out;
}

}  // namespace wexlin::files
