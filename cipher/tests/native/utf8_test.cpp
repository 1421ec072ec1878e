#include "cipher/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::u16string text;
    std::string bytes;
};

// UTF-16 and its generalised UTF-8, both ways.
const Case kExact[] = {
    {"empty", u"", ""},
    {"ascii", u"Hello, world", "Hello, world"},
    {"two-byte", u"\u00E9\u00DF\u07FF", "\xC3\xA9\xC3\x9F\xDF\xBF"},
    {"three-byte", u"\u0800\u20AC\uFFFF", "\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF"},
    {"pair", u"\U0001F600\U0010FFFF", "\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
    {"lone high", u"a\xD800z", "a\xED\xA0\x80z"},
    {"lone low", u"a\xDFFFz", "a\xED\xBF\xBFz"},
    {"high at end", u"ab\xDBFF", "ab\xED\xAF\xBF"},
    {"low before high", u"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"},
    {"high, high, low", u"\xD800\xD800\xDC00", "\xED\xA0\x80\xF0\x90\x80\x80"},
    {"nul", std::u16string(1, u'\0'), std::string(1, '\0')},
    {"long ascii then pair", u"0123456789abcdefghij\U0001F600", "0123456789abcdefghij\xF0\x9F\x98\x80"},
};

TEST(Utf8, ConvertsBothWaysExactly) {
    for (const Case& c : kExact) {
        EXPECT_EQ(cipher::ToUtf8(c.text), c.bytes) << c.name;
        EXPECT_EQ(cipher::Utf8Length(c.text), c.bytes.size()) << c.name;
        EXPECT_EQ(cipher::ToUtf16(c.bytes), c.text) << c.name;
        const auto* p = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        EXPECT_TRUE(cipher::DecodeUtf8(p, c.bytes.size(), nullptr, 0).valid) << c.name;
        EXPECT_EQ(cipher::ValidUtf16Length(p, c.bytes.size()), c.text.size()) << c.name;
    }
}

// Ill-formed bytes: each longest well-formed beginning becomes one U+FFFD.
const Case kLossy[] = {
    {"stray continuation", u"a\uFFFDb", "a\x80" "b"},
    {"overlong two-byte", u"\uFFFD\uFFFD", "\xC0\xAF"},
    {"overlong three-byte", u"\uFFFD\uFFFD\uFFFD", "\xE0\x80\xAF"},
    {"overlong four-byte", u"\uFFFD\uFFFD\uFFFD\uFFFD", "\xF0\x8F\xBF\xBF"},
    {"truncated three-byte", u"\uFFFDx", "\xE2\x82x"},
    {"truncated at end", u"ok\uFFFD", "ok\xF0\x9F\x98"},
    {"above U+10FFFF", u"\uFFFD\uFFFD\uFFFD\uFFFD", "\xF4\x90\x80\x80"},
    {"F5 lead", u"\uFFFD", "\xF5"},
    {"FF byte", u"\uFFFD\uFFFD", "\xFF\xFE"},
};

TEST(Utf8, ReplacesIllFormedSequences) {
    for (const Case& c : kLossy) {
        EXPECT_EQ(cipher::ToUtf16(c.bytes), c.text) << c.name;
        const auto* p = reinterpret_cast<const std::uint8_t*>(c.bytes.data());
        const cipher::Utf16Size size = cipher::DecodeUtf8(p, c.bytes.size(), nullptr, 0);
        EXPECT_FALSE(size.valid) << c.name;
        EXPECT_EQ(size.length, c.text.size()) << c.name;
    }
}

TEST(Utf8, EncodeStopsBeforeACharacterThatDoesNotFit) {
    const std::u16string text = u"ab\U0001F600c";
    std::size_t pos = 0;
    std::uint8_t out[5];
    EXPECT_EQ(cipher::EncodeUtf8(text, pos, out, 5), 2u);  // the pair needs 4, only 3 left
    EXPECT_EQ(pos, 2u);
    EXPECT_EQ(cipher::EncodeUtf8(text, pos, out, 5), 5u);
    EXPECT_EQ(pos, text.size());
}

TEST(Utf8, PairsAtEveryOffsetOfTheEightUnitSteps) {
    std::u16string text;
    for (int i = 0; i < 40; ++i) text += std::u16string(static_cast<std::size_t>(i % 9), u'x') + u"\U0001F600\xD800";
    EXPECT_EQ(cipher::Utf8Length(text), cipher::ToUtf8(text).size());
    EXPECT_EQ(cipher::ToUtf16(cipher::ToUtf8(text)), text);
}

TEST(Utf8, LengthCountsAPairSplitBetweenCountingSlices) {
    const std::size_t slice = std::size_t{1} << 24;  // the length is summed slice by slice
    std::u16string text(slice - 1, u'x');
    text += u"\U0001F600";
    EXPECT_EQ(cipher::Utf8Length(text), slice - 1 + 4);
}

// Decoding may use room past the characters it has written; given less room than the text
// needs, or exactly as much, it must stay inside it (the sanitizer sees a write past a
// vector's end) and still report the whole length.
TEST(Utf8, DecodeStaysInsideTheRoomItIsGiven) {
    std::vector<std::string> texts;
    for (std::size_t ascii = 0; ascii < 12; ++ascii)
        for (const char* tail : {"\xE4\xB8\xAD\xE4\xB8\xAD", "\xD0\x96", "\xF0\x9F\x98\x80", "\xFF", "x\xC3", "\x80\x80\x80"})
            texts.push_back(std::string(ascii, 'a') + tail);
    for (const std::string& bytes : texts) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
        const std::u16string expected = cipher::ToUtf16(bytes);
        for (std::size_t room : {expected.size(), expected.size() / 2}) {
            std::vector<char16_t> out(room);
            ASSERT_EQ(cipher::DecodeUtf8(p, bytes.size(), out.data(), out.size()).length, expected.size());
            EXPECT_EQ(std::u16string(out.begin(), out.end()), expected.substr(0, room));
        }
    }
}

}  // namespace
