#include "cipher/base64.h"

#include <array>
#include <cstring>

#include "alphabet.h"

namespace cipher {
namespace {

// Two digits for each 12 bits, as they lie in memory: half the look-ups of one digit at a
// time, and one four-byte copy for both.
using DigitPair = std::array<char16_t, 2>;
constexpr std::array<DigitPair, 4096> MakePairs() {
    std::array<DigitPair, 4096> t{};
    for (std::size_t v = 0; v < t.size(); ++v)
        t[v] = {static_cast<char16_t>(kDigits[v >> 6]), static_cast<char16_t>(kDigits[v & 0x3F])};
    return t;
}
constexpr std::array<DigitPair, 4096> kPairs = MakePairs();

inline void PutDigits(char16_t* o, std::uint32_t bits) {
    std::memcpy(o, kPairs[bits >> 12].data(), sizeof(DigitPair));
    std::memcpy(o + 2, kPairs[bits & 0xFFF].data(), sizeof(DigitPair));
}

}  // namespace

std::uint64_t Base64LineWriter::OutputLength(std::uint64_t bytes) {
    const std::uint64_t digits = (bytes + 2) / 3 * 4;
    const std::uint64_t lines = (digits + kLineChars - 1) / kLineChars;
    return digits + 2 * lines;
}

inline void Base64LineWriter::PutGroup(std::uint32_t bits) {
    PutDigits(out_, bits);
    out_ += 4;
    column_ += 4;
    if (column_ == kLineChars) {
        out_[0] = u'\r';
        out_[1] = u'\n';
        out_ += 2;
        column_ = 0;
    }
}

void Base64LineWriter::Put(const std::uint8_t* p, std::size_t size) {
    if (carried_ > 0) {
        while (carried_ < 3 && size > 0) {
            carry_[carried_++] = *p++;
            --size;
        }
        if (carried_ < 3) return;
        PutGroup(std::uint32_t{carry_[0]} << 16 | std::uint32_t{carry_[1]} << 8 | carry_[2]);
        carried_ = 0;
    }
    constexpr std::size_t kLineBytes = kLineChars / 4 * 3;
    for (;;) {
        if (column_ == 0) {
            // whole lines at a time
            for (; size >= kLineBytes; p += kLineBytes, size -= kLineBytes) {
                char16_t* o = out_;
                for (std::size_t g = 0; g < kLineBytes / 3; ++g) {
                    PutDigits(o + 4 * g, std::uint32_t{p[3 * g]} << 16 | std::uint32_t{p[3 * g + 1]} << 8 | p[3 * g + 2]);
                }
                o[kLineChars] = u'\r';
                o[kLineChars + 1] = u'\n';
                out_ = o + kLineChars + 2;
            }
        }
        if (size < 3) break;
        PutGroup(std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]);
        p += 3;
        size -= 3;
    }
    carried_ = size;  // 0, 1 or 2
    if (size > 0) carry_[0] = p[0];
    if (size > 1) carry_[1] = p[1];
}

char16_t* Base64LineWriter::Finish() {
    if (carried_ > 0) {
        const std::uint32_t bits = std::uint32_t{carry_[0]} << 16 | (carried_ == 2 ? std::uint32_t{carry_[1]} << 8 : 0);
        out_[0] = static_cast<char16_t>(kDigits[bits >> 18]);
        out_[1] = static_cast<char16_t>(kDigits[(bits >> 12) & 0x3F]);
        out_[2] = carried_ == 2 ? static_cast<char16_t>(kDigits[(bits >> 6) & 0x3F]) : u'=';
        out_[3] = u'=';
        out_ += 4;
        column_ += 4;
        carried_ = 0;
    }
    if (column_ > 0) {
        out_[0] = u'\r';
        out_[1] = u'\n';
        out_ += 2;
        column_ = 0;
    }
    return out_;
}

}  // namespace cipher
