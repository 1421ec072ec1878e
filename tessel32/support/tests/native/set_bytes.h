// Byte-level helpers for looking into and damaging stored sets in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tessel32::testing {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t Get32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

inline void Set16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void Append16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Append32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void AppendUtf16(Bytes& b, const std::u16string& s) {
    for (char16_t c : s) Append16(b, c);
}

// Where each entry of a well-formed set starts, following the links (not the reader).
inline std::vector<std::size_t> EntryStarts(const Bytes& b) {
    std::vector<std::size_t> starts;
    const std::size_t end = 4 + Get32(b, 0);
    for (std::size_t pos = 12; pos < end;) {
        starts.push_back(pos);
        const auto link = static_cast<std::int32_t>(Get32(b, pos + 8));
        if (link <= 0) break;
        pos += static_cast<std::size_t>(link);
    }
    return starts;
}

}  // namespace tessel32::testing
