#pragma once
// Test data written as hex, the way the RFCs print it.
#include <cctype>
#include <cstdint>
#include <string_view>
#include <vector>

inline std::vector<std::uint8_t> FromHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    int hi = -1;
    for (char c : hex) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == ':') continue;
        const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        if (hi < 0) {
            hi = v;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(hi << 4 | v));
            hi = -1;
        }
    }
    return bytes;
}
