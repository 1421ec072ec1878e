#pragma once
// The cipher engine: any UTF-16 text to a framed, printable-ASCII encoded text and back.
//
// Encoded text:  the begin line, the payload in base64 lines of 64 characters, the end line,
// joined by CR LF. Payload: version byte, 96-bit nonce, the text as generalised UTF-8
// XORed with ChaCha20 under the engine's key, CRC-32 of those plain bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cipher/chacha20.h"

namespace cipher {

using Nonce = ChaChaNonce;

inline constexpr std::u16string_view kBeginLine = u"-----BEGIN WEXLIN ENCODED TEXT-----";
inline constexpr std::u16string_view kEndLine = u"-----END WEXLIN ENCODED TEXT-----";

enum class Status : std::int32_t {
    Ok = 0,
    Corrupt = 2,  // no block, a malformed one, or one whose check value does not match
};

// Where a result goes: called before anything is written, with the result's exact length
// (0 included). Decoding a corrupt text may call it once more with a corrected length; the
// new buffer replaces the first. May throw std::bad_alloc.
class TextSink {
public:
    virtual char16_t* Reserve(std::size_t length) = 0;

protected:
    ~TextSink() = default;
};

// Throws std::bad_alloc when memory runs out or the text is too long to encode.
void Encode(std::u16string_view text, const Nonce& nonce, TextSink& out);

// Finds the first encoded block anywhere in `encoded` (e-mail quoting, re-wrapped lines and
// surrounding text are tolerated) and decodes it. Corrupt blocks give what could be decrypted,
// ill-formed bytes as U+FFFD, or nothing when not even the header is readable.
// Throws std::bad_alloc when memory runs out.
Status Decode(std::u16string_view encoded, TextSink& out);

// Decode that works in the memory of `encoded` instead of a buffer of its own, for callers
// that own the encoded text and no longer need it: what it holds afterwards is unspecified.
Status DecodeInPlace(std::span<char16_t> encoded, TextSink& out);

std::u16string Encode(std::u16string_view text, const Nonce& nonce);

struct Decoded {
    Status status;
    std::u16string text;
};
Decoded Decode(std::u16string_view encoded);

}  // namespace cipher
