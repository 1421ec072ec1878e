#pragma once
// What every file fuzzer checks, and the two ways it reads its input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// A failed check must stop the fuzzer with a report, in every build type.
inline void Require(bool condition) {
    if (!condition) std::abort();
}

// A reader's result may be at most twice as long, in code units, as the file has bytes: the only
// growth is a lone CR becoming CR LF.
inline void RequireBounded(std::size_t result_units, std::size_t file_bytes) {
    Require(result_units <= 2 * file_bytes);
}

inline std::string_view AsBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline std::u16string AsUtf16(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    return text;
}

// The text as a reader gives it back after a writer appended CR LF: every lone CR becomes CR LF.
inline std::u16string WithLoneCrAsCrLf(std::u16string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) out.push_back(u'\n');
    }
    return out;
}
