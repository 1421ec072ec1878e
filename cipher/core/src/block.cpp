#include "block.h"

#include <array>

#include "alphabet.h"
#include "cipher/engine.h"

namespace cipher {
namespace {

constexpr std::size_t npos = std::u16string_view::npos;

// A frame line matches word by word: an e-mail program may have re-wrapped it at a space or
// quoted it, so between two words any run of spaces, line breaks and '>' will do.
constexpr std::array<std::u16string_view, 4> kBeginWords = {u"-----BEGIN", u"WEXLIN", u"ENCODED", u"TEXT-----"};
constexpr std::array<std::u16string_view, 4> kEndWords = {u"-----END", u"WEXLIN", u"ENCODED", u"TEXT-----"};

static_assert(kBeginLine == u"-----BEGIN WEXLIN ENCODED TEXT-----" && kEndLine == u"-----END WEXLIN ENCODED TEXT-----",
              "the frame words follow the frame lines");

// The end of the frame line whose first word starts at pos, or npos.
std::size_t MatchFrame(std::u16string_view text, std::size_t pos, const std::array<std::u16string_view, 4>& words) {
    for (std::size_t w = 0; w < words.size(); ++w) {
        if (w > 0) {
            const std::size_t gap = pos;
            while (pos < text.size() && Classify(text[pos]) == kSkip) ++pos;
            if (pos == gap) return npos;
        }
        if (text.substr(pos, words[w].size()) != words[w]) return npos;
        pos += words[w].size();
    }
    return pos;
}

// Decoding state, kept whole so that it can be rolled back to where a foreign character was.
struct State {
    std::size_t out = 0;    // bytes written
    std::uint32_t bits = 0;  // digits not yet written as bytes, in the low bit_count bits
    unsigned bit_count = 0;
    std::uint64_t digits = 0, pads = 0;
    bool digit_after_pad = false;
};

}  // namespace

std::size_t FindBody(std::u16string_view text) {
    for (std::size_t at = text.find(kBeginWords[0]); at != npos; at = text.find(kBeginWords[0], at + 1)) {
        const std::size_t end = MatchFrame(text, at, kBeginWords);
        if (end != npos) return end;
    }
    return npos;
}

Body ReadBody(std::u16string_view text, std::size_t body, std::uint8_t* out) {
    const char16_t* t = text.data();
    const std::size_t n = text.size();
    State s;
    State before_other;
    bool other = false, closed = false;
    std::size_t i = body;
    while (i < n) {
        // four plain digits, the common case, at once
        if (s.bit_count == 0 && n - i >= 4) {
            const char16_t a = t[i], b = t[i + 1], c = t[i + 2], d = t[i + 3];
            if ((a | b | c | d) < 128) {
                const std::uint32_t va = kClasses[a], vb = kClasses[b], vc = kClasses[c], vd = kClasses[d];
                if ((va | vb | vc | vd) < 64) {
                    const std::uint32_t bits = va << 18 | vb << 12 | vc << 6 | vd;
                    out[s.out] = static_cast<std::uint8_t>(bits >> 16);
                    out[s.out + 1] = static_cast<std::uint8_t>(bits >> 8);
                    out[s.out + 2] = static_cast<std::uint8_t>(bits);
                    s.out += 3;
                    s.digits += 4;  // digits after padding here also leave the count of '=' wrong
                    i += 4;
                    continue;
                }
            }
        }
        const std::uint8_t k = Classify(t[i]);
        std::uint32_t value = k;
        if (k >= 64) {
            if (k == kSkip) {
                ++i;
                continue;
            }
            if (k == kPad) {
                ++s.pads;
                ++i;
                continue;
            }
            if (k == kDash && MatchFrame(text, i, kEndWords) != npos) {
                closed = true;
                break;
            }
            if (!other) {
                other = true;
                before_other = s;
            }
            value = 0;
        }
        s.bits = (s.bits << 6 | value) & 0xFFF;
        s.bit_count += 6;
        ++s.digits;
        s.digit_after_pad |= s.pads > 0;
        ++i;
        if (s.bit_count >= 8) {
            s.bit_count -= 8;
            out[s.out++] = static_cast<std::uint8_t>(s.bits >> s.bit_count);
        }
    }
    if (!closed && other) s = before_other;  // no end line: the body ended at the foreign character
    const std::uint64_t expected_pads = (4 - s.digits % 4) % 4;
    const bool clean_tail = (s.bits & ((1u << s.bit_count) - 1)) == 0;
    Body result;
    result.bytes = s.out;
    result.intact = closed && !other && !s.digit_after_pad && s.digits % 4 != 1 && s.pads == expected_pads && clean_tail;
    return result;
}

}  // namespace cipher
