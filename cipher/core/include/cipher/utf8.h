#pragma once
// Generalised UTF-8: UTF-8 in which a surrogate code unit without its partner is written in
// its own three-byte form, so that every UTF-16 string, valid or not, goes to bytes and back
// unchanged. A proper surrogate pair becomes the usual four bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cipher {

// Number of bytes ToUtf8 gives for text.
std::uint64_t Utf8Length(std::u16string_view text);

// Converts text from pos on into out, stopping before the first character that does not fit;
// advances pos and returns the bytes written.
std::size_t EncodeUtf8(std::u16string_view text, std::size_t& pos, std::uint8_t* out, std::size_t room);

std::string ToUtf8(std::u16string_view text);

// Decoding bytes replaces each ill-formed sequence (its longest well-formed beginning) with
// U+FFFD; `valid` says whether there was none.
struct Utf16Size {
    std::size_t length;
    bool valid;
};

// The decoded length if the bytes are well-formed, counted without decoding.
std::size_t ValidUtf16Length(const std::uint8_t* data, std::size_t size);

// Decodes into out, writing at most `room` units, and returns the whole decoded length: when
// that is more than `room`, the units past it were not written (room 0 only measures).
// Beyond the units it writes, the rest of `room` may be used as scratch.
Utf16Size DecodeUtf8(const std::uint8_t* data, std::size_t size, char16_t* out, std::size_t room);

// For bytes that arrive in pieces: the longest beginning of data that decodes the same on its
// own as it does followed by more bytes (at most 3 bytes are held back).
std::size_t Utf8SplitPoint(const std::uint8_t* data, std::size_t size);

std::u16string ToUtf16(std::string_view bytes);

}  // namespace cipher
