#include "wexlin/files/windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using wexlin::files::FitsWindows1252;
using wexlin::files::FromWindows1252;
using wexlin::files::ToWindows1252;
using wexlin::files::Windows1252Byte;
using wexlin::files::Windows1252Char;

struct Pair {
    unsigned byte;
    char16_t c;
};

// From the Windows-1252 chart: all of 0x80-0x9F, where it differs from Latin-1, and the edges
// of the ranges where the byte is the code point.
const Pair kChart[] = {
    {0x00, 0x0000}, {0x7F, 0x007F}, {0xA0, 0x00A0}, {0xFF, 0x00FF},
    {0x80, 0x20AC}, {0x81, 0x0081}, {0x82, 0x201A}, {0x83, 0x0192},
    {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020}, {0x87, 0x2021},
    {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039},
    {0x8C, 0x0152}, {0x8D, 0x008D}, {0x8E, 0x017D}, {0x8F, 0x008F},
    {0x90, 0x0090}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C},
    {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
    {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A},
    {0x9C, 0x0153}, {0x9D, 0x009D}, {0x9E, 0x017E}, {0x9F, 0x0178},
};

TEST(Windows1252, FollowsTheChartBothWays) {
    for (const Pair& p : kChart) {
        EXPECT_EQ(Windows1252Char(static_cast<std::uint8_t>(p.byte)), p.c) << std::hex << p.byte;
        EXPECT_EQ(Windows1252Byte(p.c), p.byte) << std::hex << p.byte;
    }
}

TEST(Windows1252, EveryByteReadsBackToItself) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::u16string text = FromWindows1252(all);
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(ToWindows1252(text), all);
}

TEST(Windows1252, RefusesCharactersItCannotHold) {
    const std::u16string kOutside[] = {
        u"\u0080",      // 0x80 stands for the euro sign, not for this control character
        u"\u009F",      // likewise
        u"\u0100",      // first code point beyond Latin-1
        u"x\u2603y",    // inside a text
        u"\xD800",      // a lone surrogate
        u"\U0001F600",  // a pair
    };
    for (const std::u16string& text : kOutside) {
        EXPECT_FALSE(FitsWindows1252(text));
        EXPECT_EQ(ToWindows1252(text), std::nullopt);
    }
}

TEST(Windows1252, WidensLongTextsLikeSingleCharacters) {
    // Lengths and positions around the 16-byte blocks that are widened at once.
    for (std::size_t length = 0; length <= 50; ++length) {
        for (std::size_t high = 0; high <= length; ++high) {
            std::string bytes(length, 'a');
            if (high < length) bytes[high] = '\x80';
            std::u16string expected(length, u'a');
            if (high < length) expected[high] = u'\u20AC';
            ASSERT_EQ(FromWindows1252(bytes), expected) << length << " " << high;
        }
    }
}

}  // namespace
