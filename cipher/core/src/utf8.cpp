#include "cipher/utf8.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace cipher {
namespace {

inline bool IsHigh(char16_t c) { return (c & 0xFC00) == 0xD800; }
inline bool IsLow(char16_t c) { return (c & 0xFC00) == 0xDC00; }
// As numbers, so that the counting loop below stays free of branches.
inline std::uint32_t HighBit(char16_t c) { return static_cast<std::uint32_t>((c & 0xFC00) == 0xD800); }
inline std::uint32_t LowBit(char16_t c) { return static_cast<std::uint32_t>((c & 0xFC00) == 0xDC00); }
inline bool IsCont(std::uint8_t b) { return (b & 0xC0) == 0x80; }

// Lengths are summed in 32 bits over slices of this many units (3 bytes each at most), which
// keeps the loop vectorisable on 32-bit targets too.
constexpr std::size_t kCountSlice = std::size_t{1} << 24;

std::uint32_t CountSlice(const char16_t* t, std::size_t n, char16_t next) {
    std::uint32_t extra = 0;
    for (std::size_t i = 0; i < n; ++i) extra += (t[i] >= 0x80) + (t[i] >= 0x800);
    // a high surrogate and its low partner: 3 + 3 counted, 4 written
    std::uint32_t pairs = 0;
    for (std::size_t i = 0; i + 1 < n; ++i) pairs += HighBit(t[i]) & LowBit(t[i + 1]);
    if (n > 0) pairs += HighBit(t[n - 1]) & LowBit(next);
    return extra - 2 * pairs;
}

constexpr bool IsLittleEndian() { return std::endian::native == std::endian::little; }

// Eight units, all below 0x80, packed into eight bytes; false if any is not ASCII.
inline bool PackAscii8(const char16_t* t, std::uint8_t* o) {
    std::uint64_t a, b;
    std::memcpy(&a, t, 8);
    std::memcpy(&b, t + 4, 8);
    if ((a | b) & 0xFF80FF80FF80FF80ull) return false;
    for (int k = 0; k < 8; ++k) o[k] = static_cast<std::uint8_t>(t[k]);
    return true;
}

// One character (a unit, or a pair from t[0..1]) at o; returns the units used. o needs room for 4.
inline std::size_t PutChar(const char16_t* t, std::size_t left, std::uint8_t*& o) {
    const std::uint32_t c = t[0];
    if (c < 0x80) {
        *o++ = static_cast<std::uint8_t>(c);
        return 1;
    }
    if (c < 0x800) {
        o[0] = static_cast<std::uint8_t>(0xC0 | (c >> 6));
        o[1] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
        o += 2;
        return 1;
    }
    if (IsHigh(t[0]) && left > 1 && IsLow(t[1])) {
        const std::uint32_t cp = 0x10000 + ((c - 0xD800) << 10) + (t[1] - 0xDC00u);
        o[0] = static_cast<std::uint8_t>(0xF0 | (cp >> 18));
        o[1] = static_cast<std::uint8_t>(0x80 | ((cp >> 12) & 0x3F));
        o[2] = static_cast<std::uint8_t>(0x80 | ((cp >> 6) & 0x3F));
        o[3] = static_cast<std::uint8_t>(0x80 | (cp & 0x3F));
        o += 4;
        return 2;
    }
    o[0] = static_cast<std::uint8_t>(0xE0 | (c >> 12));
    o[1] = static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F));
    o[2] = static_cast<std::uint8_t>(0x80 | (c & 0x3F));
    o += 3;
    return 1;
}

// Four units, none a surrogate, at o without a branch per unit: each is written as four
// bytes of which its length counts. False (nothing written) if one is a surrogate.
inline bool PutBmp4(const char16_t* t, std::uint8_t*& o) {
    std::uint32_t surrogates = 0;
    for (int k = 0; k < 4; ++k) surrogates |= static_cast<std::uint32_t>((t[k] & 0xF800) == 0xD800);
    if (surrogates) return false;
    std::uint8_t* p = o;
    for (int k = 0; k < 4; ++k) {
        const std::uint32_t c = t[k];
        const std::uint32_t one = c;
        const std::uint32_t two = (0xC0 | c >> 6) | (0x80 | (c & 0x3F)) << 8;
        const std::uint32_t three = (0xE0 | c >> 12) | (0x80 | ((c >> 6) & 0x3F)) << 8 | (0x80 | (c & 0x3F)) << 16;
        const std::uint32_t wide = 0u - static_cast<std::uint32_t>(c >= 0x80);   // masks, not branches
        const std::uint32_t wider = 0u - static_cast<std::uint32_t>(c >= 0x800);
        const std::uint32_t bytes = (one & ~wide) | (two & wide & ~wider) | (three & wider);
        p[0] = static_cast<std::uint8_t>(bytes);
        p[1] = static_cast<std::uint8_t>(bytes >> 8);
        p[2] = static_cast<std::uint8_t>(bytes >> 16);
        p[3] = 0;
        p += 1 + (c >= 0x80) + (c >= 0x800);
    }
    o = p;
    return true;
}

inline std::size_t CharBytes(const char16_t* t, std::size_t left) {
    const char16_t c = t[0];
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    return IsHigh(c) && left > 1 && IsLow(t[1]) ? 4 : 3;
}

// Walks bytes as generalised UTF-8, handing the sink ASCII runs, code units and replacement
// characters. Well-formed two- and three-byte sequences take the short way.
// The sink travels by value, so that its pointers can stay in registers.
template <class Sink>
Sink Walk(const std::uint8_t* p, std::size_t n, Sink sink) {
    std::size_t i = 0;
    while (i < n) {
        if (n - i >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p + i, 8);
            const std::uint64_t high = w & 0x8080808080808080ull;
            if (high == 0) {
                sink.Ascii8(p + i);
                i += 8;
                continue;
            }
            // the ASCII bytes before the first other one (bytes in memory order: little-endian)
            const std::size_t ascii = IsLittleEndian() ? static_cast<std::size_t>(std::countr_zero(high)) / 8 : 0;
            sink.AsciiPrefix(p + i, ascii);
            i += ascii;
        }
        if (n - i >= 3) {
            // a well-formed two- or three-byte character, told apart without a branch
            const std::uint32_t b0 = p[i], b1 = p[i + 1], b2 = p[i + 2];
            const bool two = b0 >= 0xC2 && b0 < 0xE0 && (b1 & 0xC0) == 0x80;
            // E0 needs A0..BF next; ED A0..BF, the surrogates, are allowed in generalised UTF-8
            const bool three = (b0 & 0xF0) == 0xE0 && (b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80 && (b0 != 0xE0 || b1 >= 0xA0);
            if (two | three) {
                const std::uint32_t c2 = (b0 & 0x1F) << 6 | (b1 & 0x3F);
                const std::uint32_t c3 = (b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F);
                sink.Unit(static_cast<char16_t>(two ? c2 : c3));
                i += two ? 2 : 3;
                continue;
            }
        }
        const std::uint8_t b = p[i];
        if (b < 0x80) {
            sink.Unit(b);
            ++i;
            continue;
        }
        // Everything else, one sequence at a time: its length and its second byte's range.
        std::size_t len = 0;
        std::uint8_t lo = 0x80, hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            if (b == 0xE0) lo = 0xA0;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        }
        if (len == 0) {
            sink.Bad();
            ++i;
            continue;
        }
        // The longest well-formed beginning, replaced by one U+FFFD when incomplete.
        std::size_t got = 1;
        if (i + 1 < n && p[i + 1] >= lo && p[i + 1] <= hi) {
            got = 2;
            while (got < len && i + got < n && IsCont(p[i + got])) ++got;
        }
        if (got < len) {
            sink.Bad();
            i += got;
            continue;
        }
        std::uint32_t c = b & (0xFF >> (len + 1));
        for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (p[i + k] & 0x3F);
        if (c >= 0x10000) {
            c -= 0x10000;
            sink.Unit(static_cast<char16_t>(0xD800 | (c >> 10)));
            sink.Unit(static_cast<char16_t>(0xDC00 | (c & 0x3FF)));
        } else {
            sink.Unit(static_cast<char16_t>(c));
        }
        i += len;
    }
    return sink;
}

// Writes while there is room and counts on after that, so that a wrong guess of the length
// costs a second pass, never a write out of bounds.
struct Write {
    char16_t* out;
    char16_t* end;
    std::size_t past = 0;  // units that did not fit
    bool valid = true;
    void Ascii8(const std::uint8_t* p) {
        if (end - out >= 8) {
            for (std::size_t j = 0; j < 8; ++j) out[j] = p[j];
            out += 8;
        } else {
            for (std::size_t j = 0; j < 8; ++j) Unit(p[j]);
        }
    }
    // k < 8 ASCII bytes; where there is room, all eight are widened and the extra ones written over later
    void AsciiPrefix(const std::uint8_t* p, std::size_t k) {
        if (end - out >= 8) {
            for (std::size_t j = 0; j < 8; ++j) out[j] = p[j];
            out += k;
        } else {
            for (std::size_t j = 0; j < k; ++j) Unit(p[j]);
        }
    }
    void Unit(char16_t c) {
        if (out < end) {
            *out++ = c;
        } else {
            ++past;
        }
    }
    void Bad() {
        Unit(0xFFFD);
        valid = false;
    }
};

}  // namespace

std::uint64_t Utf8Length(std::u16string_view text) {
    std::uint64_t total = text.size();
    for (std::size_t start = 0; start < text.size(); start += kCountSlice) {
        const std::size_t n = std::min(kCountSlice, text.size() - start);
        const char16_t next = start + n < text.size() ? text[start + n] : 0;
        total += CountSlice(text.data() + start, n, next);
    }
    return total;
}

std::size_t EncodeUtf8(std::u16string_view text, std::size_t& pos, std::uint8_t* out, std::size_t room) {
    const char16_t* t = text.data();
    const std::size_t n = text.size();
    std::size_t i = pos;
    std::uint8_t* o = out;
    std::uint8_t* const end = out + room;
    // While there is room for any four characters, no per-character room check is needed.
    while (n - i >= 8 && end - o >= 16) {
        if (PackAscii8(t + i, o)) {
            i += 8;
            o += 8;
            continue;
        }
        if (!PutBmp4(t + i, o)) {
            const std::size_t stop = i + 4;  // a surrogate among them: one character at a time
            while (i < stop) i += PutChar(t + i, n - i, o);
        } else {
            i += 4;
        }
    }
    while (i < n && end - o >= 4) i += PutChar(t + i, n - i, o);
    while (i < n && CharBytes(t + i, n - i) <= static_cast<std::size_t>(end - o)) i += PutChar(t + i, n - i, o);
    pos = i;
    return static_cast<std::size_t>(o - out);
}

std::string ToUtf8(std::u16string_view text) {
    const std::uint64_t length = Utf8Length(text);
    if (length > std::string().max_size()) throw std::bad_alloc();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    std::size_t pos = 0;
    EncodeUtf8(text, pos, reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
    return bytes;
}

std::size_t ValidUtf16Length(const std::uint8_t* data, std::size_t size) {
    // one unit per sequence, two for four-byte ones: count lead bytes, and four-byte leads again
    std::size_t total = 0;
    constexpr std::size_t kSlice = std::size_t{1} << 24;  // 32-bit sums that vectorise
    for (std::size_t start = 0; start < size; start += kSlice) {
        const std::size_t n = std::min(kSlice, size - start);
        const std::uint8_t* p = data + start;
        std::uint32_t units = 0;
        for (std::size_t i = 0; i < n; ++i) units += ((p[i] & 0xC0) != 0x80) + (p[i] >= 0xF0);
        total += units;
    }
    return total;
}

Utf16Size DecodeUtf8(const std::uint8_t* data, std::size_t size, char16_t* out, std::size_t room) {
    const Write w = Walk(data, size, Write{out, out + room});
    return {static_cast<std::size_t>(w.out - out) + w.past, w.valid};
}

std::size_t Utf8SplitPoint(const std::uint8_t* data, std::size_t size) {
    // Only the last lead byte can start a sequence that the following bytes would complete.
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const std::uint8_t b = data[size - back];
        if (b < 0x80) break;
        if (IsCont(b)) continue;
        const std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        return len > back ? size - back : size;
    }
    return size;
}

std::u16string ToUtf16(std::string_view bytes) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::u16string text(ValidUtf16Length(p, bytes.size()), u'\0');
    const Utf16Size decoded = DecodeUtf8(p, bytes.size(), text.data(), text.size());
    if (decoded.length != text.size()) {  // ill-formed bytes made the guess wrong
        text.assign(decoded.length, u'\0');
        DecodeUtf8(p, bytes.size(), text.data(), text.size());
    }
    return text;
}

}  // namespace cipher
