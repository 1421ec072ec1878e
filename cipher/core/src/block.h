#pragma once
// Finding the encoded block in a pasted text and reading its base64 body in one pass.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace cipher {

// Where the body of the first block starts (just after its begin line), or npos.
std::size_t FindBody(std::u16string_view text);

// Bytes ReadBody may write for a body starting at `body`: three for every four characters.
inline std::size_t MaxBodyBytes(std::u16string_view text, std::size_t body) { return (text.size() - body) / 4 * 3 + 3; }

struct Body {
    std::size_t bytes = 0;  // payload bytes written
    bool intact = false;    // closed by an end line; nothing but digits, breaks, right padding, clean last bits
};

// Decodes the digits from `body` on up to the end line into out (room for MaxBodyBytes).
// Spaces, tabs, line breaks, '>' (e-mail quoting) and '=' are passed over; another character
// stands for a damaged digit and reads as zero so that the bytes after it keep their places.
// Without an end line the body stops before the first such character instead, so that a
// signature under a cut-off block is left out.
// out may lie in the text's own memory at or before `body`: the writes stay behind the reads,
// since four characters (eight bytes) give three bytes.
Body ReadBody(std::u16string_view text, std::size_t body, std::uint8_t* out);

}  // namespace cipher
