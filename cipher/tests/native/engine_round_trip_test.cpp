#include <gtest/gtest.h>

#include <string>

#include "cipher/engine.h"
#include "engine_fixtures.h"

namespace {

struct Text {
    const char* name;
    std::u16string text;
};

// A large text with every kind of line break, many scripts and stray surrogates; non-ASCII
// characters fall on every offset of the engine's internal pieces.
std::u16string LargeText(std::size_t units) {
    const std::u16string parts[] = {
        u"plain ASCII words, ",  u"\r\n", u"\n",  u"\r", u"\u00E9t\u00E9 ",        u"\u03A9\u03BC\u03AD\u03B3\u03B1 ",
        u"\u05E9\u05DC\u05D5\u05DD ", u"\u0645\u0631\u062D\u0628\u0627 ", u"\u4E2D\u6587 ", u"\U0001F469\u200D\U0001F4BB ",
        u"\xD83D",               u"\xDE00", u"\t",
    };
    std::u16string text;
    text.reserve(units + 32);
    std::uint32_t x = 12345;
    while (text.size() < units) {
        x = x * 1103515245u + 12345u;
        text += parts[(x >> 16) % std::size(parts)];
    }
    text.resize(units);
    return text;
}

const Text kTexts[] = {
    {"empty", u""},
    {"one character", u"a"},
    {"CR LF", u"\r\n"},
    {"lone CR", u"\r"},
    {"lone LF", u"\n"},
    {"mixed breaks", u"one\r\ntwo\nthree\rfour\r\n\r\n"},
    {"NUL inside", std::u16string(u"a\0b", 3)},
    {"scripts",
     u"\u00C5ngstr\u00F6m \u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u0420\u0443\u0441\u0441\u043A\u0438\u0439 "
     u"\u05E2\u05D1\u05E8\u05D9\u05EA \u0627\u0644\u0639\u0631\u0628\u064A\u0629 \u0939\u093F\u0928\u094D\u0926\u0940 "
     u"\u0E44\u0E17\u0E22 \u65E5\u672C\u8A9E \uD55C\uAD6D\uC5B4"},
    {"emoji", u"\U0001F600 \U0001F1E9\U0001F1EA \U0001F468\u200D\U0001F469\u200D\U0001F467 \U0001F44D\U0001F3FD"},
    {"lone high surrogate", u"a\xD800" u"b"},
    {"lone low surrogate", u"a\xDC00" u"b"},
    {"high surrogate at the end", u"end\xDBFF"},
    {"low then high", u"\xDC00\xD800"},
    {"letter", kLetter},
    {"10 MB", LargeText(5 * 1024 * 1024)},
};

TEST(EngineRoundTrip, DecodeGivesBackExactlyWhatWasEncoded) {
    for (const Text& t : kTexts) {
        const std::u16string encoded = cipher::Encode(t.text, MakeNonce(7));
        const cipher::Decoded decoded = DecodeBothWays(encoded);
        EXPECT_EQ(decoded.status, cipher::Status::Ok) << t.name;
        EXPECT_TRUE(decoded.text == t.text) << t.name;  // no dump of a 10 MB string
    }
}

TEST(EngineRoundTrip, EqualTextsWithDifferentNoncesEncodeDifferently) {
    const std::u16string a = cipher::Encode(kLetter, MakeNonce(1));
    const std::u16string b = cipher::Encode(kLetter, MakeNonce(2));
    EXPECT_NE(a, b);
    EXPECT_EQ(DecodeBothWays(a).text, kLetter);
    EXPECT_EQ(DecodeBothWays(b).text, kLetter);
}

// Pinned from an independent computation (OpenSSL's ChaCha20, Python's base64 and zlib), so
// that texts encoded today still decode after any change to the engine.
TEST(EngineRoundTrip, KnownEncoding) {
    cipher::Nonce nonce;
    for (std::size_t i = 0; i < nonce.size(); ++i) nonce[i] = static_cast<std::uint8_t>(i);
    const std::u16string known =
        u"-----BEGIN WEXLIN ENCODED TEXT-----\r\nAQABAgMEBQYHCAkKC9orqllfUVT+y3Y=\r\n-----END WEXLIN ENCODED TEXT-----";
    EXPECT_EQ(cipher::Encode(u"Hi\r\n\u00E9", nonce), known);
    const cipher::Decoded decoded = DecodeBothWays(known);
    EXPECT_EQ(decoded.status, cipher::Status::Ok);
    EXPECT_EQ(decoded.text, u"Hi\r\n\u00E9");
}

}  // namespace
