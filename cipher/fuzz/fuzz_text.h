#pragma once
// How the fuzzers read their input bytes as text.
#include <cstddef>
#include <cstdint>
#include <string>

// Pairs of bytes, little-endian, as UTF-16 code units: any unit, surrogates included.
inline std::u16string AsUtf16(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    return text;
}

// Each byte as one character, as text from a single-byte code page arrives.
inline std::u16string AsBytes(const std::uint8_t* data, std::size_t size) { return {data, data + size}; }
