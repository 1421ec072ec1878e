#pragma once
// How the encoded text's characters are read: base64 digits with their values, and the
// classes that the block finder and the digit reader treat alike.
#include <array>
#include <cstdint>

namespace cipher {

inline constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

enum : std::uint8_t {
    kSkip = 0x40,   // spaces, tabs, line breaks, '>' of e-mail quoting
    kPad = 0x41,    // '='
    kDash = 0x42,   // '-', where a frame line may start
    kOther = 0xFF,  // anything else: not part of a well-formed body
};

constexpr std::array<std::uint8_t, 128> MakeClasses() {
    std::array<std::uint8_t, 128> t{};
    t.fill(kOther);
    for (std::uint8_t v = 0; v < 64; ++v) t[static_cast<unsigned char>(kDigits[v])] = v;
    for (char c : {' ', '\t', '\r', '\n', '\v', '\f', '>'}) t[static_cast<unsigned char>(c)] = kSkip;
    t['='] = kPad;
    t['-'] = kDash;
    return t;
}

inline constexpr std::array<std::uint8_t, 128> kClasses = MakeClasses();

inline std::uint8_t Classify(char16_t c) {
    if (c < 128) return kClasses[c];
    return c == 0x00A0 ? kSkip : kOther;  // a no-break space, as HTML mail turns spaces into
}

}  // namespace cipher
