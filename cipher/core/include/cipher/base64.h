#pragma once
// Base64 (RFC 4648 alphabet, '=' padding) as the encoded text carries it: lines of 64
// characters, each ended by CR LF, written straight into UTF-16 text. Reading is the block
// reader's (block.h), which also copes with what e-mail does to the lines.
#include <cstddef>
#include <cstdint>

namespace cipher {

class Base64LineWriter {
public:
    static constexpr std::size_t kLineChars = 64;

    // Characters written for `bytes` bytes, line ends included.
    static std::uint64_t OutputLength(std::uint64_t bytes);

    explicit Base64LineWriter(char16_t* out) : out_(out) {}
    // Bytes may come in pieces of any size; the output does not depend on how they are cut.
    void Put(const std::uint8_t* data, std::size_t size);
    // Writes the last group with its padding and ends the last line; returns the end of the output.
    char16_t* Finish();

private:
    void PutGroup(std::uint32_t bits);  // 24 bits, four digits
    char16_t* out_;
    std::uint8_t carry_[3] = {};  // bytes of an unfinished group
    std::size_t carried_ = 0;
    std::size_t column_ = 0;
};

}  // namespace cipher
