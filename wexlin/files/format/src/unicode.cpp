#include "unicode.h"

#include <cstdint>
#include <cstring>

namespace wexlin::files {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

bool AllAscii8(const unsigned char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return (word & 0x8080808080808080u) == 0;
}

// For well-formed text: a pair counts 3 for its high half and 1 for its low half.
std::size_t Utf8Length(std::u16string_view text) {
    std::size_t length = 0;
    for (char16_t c : text) length += c < 0x80 ? 1 : c < 0x800 ? 2 : IsLowSurrogate(c) ? 1 : 3;
    return length;
}

}  // namespace

bool IsWellFormedUtf16(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            return false;
        }
    }
    return true;
}

void AppendUtf8(std::u16string_view text, std::string& out) {
    out.reserve(out.size() + Utf8Length(text));
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = text[i];
        if (IsHighSurrogate(text[i])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

void AppendUtf16Le(std::u16string_view text, std::string& out) {
    out.reserve(out.size() + text.size() * 2);
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
}

std::u16string FromUtf8(std::string_view bytes) {
    // Every byte gives at most one code unit (four-byte sequences give two).
    std::u16string out(bytes.size(), u'\0');
    char16_t* o = out.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        if (i + 8 <= n && AllAscii8(in + i)) {
            for (std::size_t j = 0; j < 8; ++j) *o++ = in[i + j];
            i += 8;
            continue;
        }
        const unsigned char lead = in[i];
        if (lead < 0x80) {
            *o++ = lead;
            ++i;
            continue;
        }
        // The continuation bytes allowed after each lead byte, so that overlong forms,
        // surrogates and code points above U+10FFFF are refused at the first wrong byte.
        int follow = 0;
        unsigned char low = 0x80, high = 0xBF;
        std::uint32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
            c = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            c = lead & 0x0Fu;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            c = lead & 0x07u;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            *o++ = kReplacement;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool complete = true;
        for (int k = 0; k < follow; ++k, ++j) {
            if (j >= n || in[j] < low || in[j] > high) {
                complete = false;
                break;
            }
            c = (c << 6) | (in[j] & 0x3Fu);
            low = 0x80;
            high = 0xBF;
        }
        i = j;
        if (!complete) {
            *o++ = kReplacement;
        } else if (c < 0x10000) {
            *o++ = static_cast<char16_t>(c);
        } else {
            c -= 0x10000;
            *o++ = static_cast<char16_t>(0xD800 + (c >> 10));
            *o++ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

std::u16string FromUtf16Le(std::string_view bytes) {
    const std::size_t units = bytes.size() / 2;
    std::u16string out(units + bytes.size() % 2, kReplacement);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < units; ++i) {
        out[i] = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
    }
    return out;
}

}  // namespace wexlin::files
