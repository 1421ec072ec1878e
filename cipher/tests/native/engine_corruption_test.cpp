#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cipher/base64.h"
#include "cipher/crc32.h"
#include "cipher/engine.h"
#include "cipher/utf8.h"
#include "block.h"
#include "engine_fixtures.h"

namespace {

using cipher::Status;

class EngineDecode : public testing::Test {
protected:
    const std::u16string encoded_ = cipher::Encode(kLetter, MakeNonce(5));
    const std::vector<std::u16string> lines_ = SplitLines(encoded_);

    // Body lines only, between the frames.
    std::vector<std::u16string> Body() const { return {lines_.begin() + 1, lines_.end() - 1}; }
    std::u16string Frame(const std::vector<std::u16string>& body, std::u16string_view brk = u"\r\n") const {
        std::vector<std::u16string> all{std::u16string(cipher::kBeginLine)};
        all.insert(all.end(), body.begin(), body.end());
        all.emplace_back(cipher::kEndLine);
        return JoinLines(all, u"", brk);
    }
    std::u16string Changed(std::size_t line, std::size_t column, char16_t c) const {
        std::vector<std::u16string> body = Body();
        body.at(line).at(column) = c;
        return Frame(body);
    }
};

// What a receiver may paste: the block as e-mail programs pass it on.
TEST_F(EngineDecode, ToleratesWhatMailAndPastingDoToTheBlock) {
    const std::vector<std::u16string> body = Body();
    std::u16string joined;
    for (const auto& l : body) joined += l;
    // re-wrapped at 50 columns, quoted, frame lines broken between words
    std::vector<std::u16string> rewrapped{u"-----BEGIN WEXLIN", u"ENCODED TEXT-----"};
    for (std::size_t i = 0; i < joined.size(); i += 50) rewrapped.push_back(joined.substr(i, 50));
    rewrapped.push_back(u"-----END WEXLIN ENCODED");
    rewrapped.push_back(u"TEXT-----");

    const struct {
        const char* name;
        std::u16string text;
    } cases[] = {
        {"as encoded", encoded_},
        {"LF only", JoinLines(lines_, u"", u"\n")},
        {"CR only", JoinLines(lines_, u"", u"\r")},
        {"quoted with '> '", JoinLines(lines_, u"> ", u"\r\n")},
        {"quoted twice", JoinLines(lines_, u"> > ", u"\n")},
        {"quoted without space", JoinLines(lines_, u">>", u"\r\n")},
        {"quoted and re-wrapped", JoinLines(rewrapped, u"> ", u"\r\n")},
        {"one line", Frame({joined}, u" ")},
        {"blank lines, spaces, tabs", JoinLines(lines_, u"  \t", u"  \r\n\r\n")},
        {"no-break spaces", JoinLines(lines_, u"\u00A0", u"\r\n")},
        {"inside an e-mail",
         u"From: Bob\r\nSubject: notes\r\n\r\nHi Ann, here it is:\r\n\r\n"
         u"--------------- Wexlin Encryption ---------------\r\n"
         u"--------------- START Copy Text After Here START ---------------\r\n" +
             encoded_ +
             u"\r\n--------------- END Copy Text Before Here END --------------------\r\n\r\n"
             u"Cheers,\r\n-- \r\nBob \u00E0 Paris\r\n"},
        {"followed by a second block", encoded_ + u"\r\n" + cipher::Encode(u"other", MakeNonce(6))},
    };
    for (const auto& c : cases) {
        const cipher::Decoded d = DecodeBothWays(c.text);
        EXPECT_EQ(d.status, Status::Ok) << c.name;
        EXPECT_EQ(d.text, kLetter) << c.name;
    }
}

TEST_F(EngineDecode, NoBlockGivesNothing) {
    const struct {
        const char* name;
        std::u16string text;
    } cases[] = {
        {"empty", u""},
        {"plain text", u"Hello, nothing encoded here."},
        {"begin line missing", encoded_.substr(cipher::kBeginLine.size())},
        {"frame words run together", u"-----BEGINWEXLINENCODEDTEXT-----" + encoded_.substr(cipher::kBeginLine.size())},
        {"begin line misspelt", u"-----BEGIN WEXLIN ENCODED TXT-----" + encoded_.substr(cipher::kBeginLine.size())},
        {"frames only", std::u16string(cipher::kBeginLine) + u"\r\n" + std::u16string(cipher::kEndLine)},
        {"header cut short", Frame({Body().front().substr(0, 20)})},
        {"version byte changed", Changed(0, 0, u'B')},
    };
    for (const auto& c : cases) {
        const cipher::Decoded d = DecodeBothWays(c.text);
        EXPECT_EQ(d.status, Status::Corrupt) << c.name;
        EXPECT_EQ(d.text, u"") << c.name;
    }
}

// One character changed anywhere is caught; the text around the damage still comes back.
TEST_F(EngineDecode, OneChangedCharacterIsCaught) {
    const std::vector<std::u16string> body = Body();
    const std::size_t last = body.size() - 1;
    const struct {
        const char* name;
        std::size_t line, column;
        char16_t to;
    } cases[] = {
        {"in the nonce", 0, 10, u'x'},
        {"in the text", 5, 30, u'x'},
        {"to a character outside base64", 5, 30, u'!'},
        {"to padding", 5, 30, u'='},
        {"to a space", 5, 30, u' '},
        {"to a non-ASCII letter", 5, 30, u'\u00E9'},
        {"in the check value", last, body[last].size() - 3, u'z'},
    };
    for (const auto& c : cases) {
        ASSERT_NE(body[c.line][c.column], c.to) << c.name;
        EXPECT_EQ(DecodeBothWays(Changed(c.line, c.column, c.to)).status, Status::Corrupt) << c.name;
    }
    // A foreign character reads as a zero digit, so one that replaces an 'A' leaves the bytes
    // and their check value as they were: only the character itself can give it away.
    for (std::size_t line = 1; line < body.size(); ++line) {
        const std::size_t column = body[line].find(u'A');
        if (column == std::u16string::npos) continue;
        const cipher::Decoded d = DecodeBothWays(Changed(line, column, u'!'));
        EXPECT_EQ(d.status, Status::Corrupt);
        EXPECT_EQ(d.text, kLetter);
        break;
    }
    // Damage in the middle of the text leaves its beginning and end readable.
    for (char16_t to : {u'x', u'!'}) {
        const cipher::Decoded d = DecodeBothWays(Changed(5, 30, to));
        ASSERT_GT(d.text.size(), 50u);
        EXPECT_EQ(d.text.substr(0, 40), kLetter.substr(0, 40));
        EXPECT_EQ(d.text.substr(d.text.size() - 10), kLetter.substr(kLetter.size() - 10));
    }
}

TEST_F(EngineDecode, TruncatedOrUnbalancedBlocksAreCorruptButGiveWhatSurvives) {
    std::vector<std::u16string> cut = Body();
    cut.resize(cut.size() - 2);
    std::vector<std::u16string> middle_gone = Body();
    middle_gone.erase(middle_gone.begin() + 3);
    std::vector<std::u16string> extra_padding = Body();
    extra_padding.back() += u"==";

    const std::u16string without_end = JoinLines({lines_.begin(), lines_.end() - 1}, u"", u"\r\n");
    constexpr std::size_t kWhole = std::u16string::npos;
    const struct {
        const char* name;
        std::u16string text;
        std::size_t intact_prefix;  // characters of the letter that must come back; kWhole: all, nothing more
    } cases[] = {
        {"last lines and end line gone", JoinLines({lines_.begin(), lines_.end() - 3}, u"", u"\r\n"), 60},
        {"last lines gone", Frame(cut), 60},
        {"a middle line gone", Frame(middle_gone), 60},
        {"end line missing", without_end, kWhole},
        {"end line missing, signature follows", without_end + u"\r\n\r\n-- \r\nBob", kWhole},
        {"too much padding", Frame(extra_padding), kWhole},
    };
    for (const auto& c : cases) {
        const cipher::Decoded d = DecodeBothWays(c.text);
        EXPECT_EQ(d.status, Status::Corrupt) << c.name;
        if (c.intact_prefix == kWhole) {
            EXPECT_EQ(d.text, kLetter) << c.name;
        } else {
            EXPECT_EQ(d.text.substr(0, c.intact_prefix), kLetter.substr(0, c.intact_prefix)) << c.name;
        }
    }
}

// Damage that the check value cannot see still makes the status corrupt.
TEST(EngineDecodeChecked, BlocksWithAGoodCheckValueButIllFormedContent) {
    // Set bits after the last byte: "ab" gives 19 payload bytes, so the last digit before
    // "==" carries four unused bits.
    std::u16string encoded = cipher::Encode(u"ab", MakeNonce(8));
    const std::size_t pad = encoded.find(u"==\r\n");
    ASSERT_NE(pad, std::u16string::npos);
    char16_t& last = encoded[pad - 1];  // 'A', 'Q', 'g' or 'w': low four bits clear
    last = static_cast<char16_t>(last + 1);
    cipher::Decoded d = DecodeBothWays(encoded);
    EXPECT_EQ(d.status, Status::Corrupt);
    EXPECT_EQ(d.text, u"ab");

    // Padding moved from the end into the middle: digits and bits all as before.
    const std::size_t middle = encoded.find(u"\r\n") + 2 + 8;
    encoded = cipher::Encode(u"ab", MakeNonce(8));
    encoded.erase(pad, 2);
    encoded.insert(middle, u"==");
    d = DecodeBothWays(encoded);
    EXPECT_EQ(d.status, Status::Corrupt);
    EXPECT_EQ(d.text, u"ab");

    // One digit too many, "padded" with three '=': "x" gives 18 bytes and no padding of its own.
    encoded = cipher::Encode(u"x", MakeNonce(8));
    ASSERT_EQ(encoded.find(u'='), std::u16string::npos);
    encoded.insert(encoded.size() - cipher::kEndLine.size() - 2, u"A===");
    d = DecodeBothWays(encoded);
    EXPECT_EQ(d.status, Status::Corrupt);
    EXPECT_EQ(d.text, u"x");

    // A payload whose bytes are not generalised UTF-8 under a matching check value: made from
    // the keystream that encoding a known text reveals.
    const cipher::Nonce nonce = MakeNonce(9);
    const std::u16string known = cipher::Encode(u"zz", nonce);
    std::vector<std::uint8_t> room(cipher::MaxBodyBytes(known, cipher::kBeginLine.size()));
    ASSERT_EQ(cipher::ReadBody(known, cipher::kBeginLine.size(), room.data()).bytes, 19u);
    std::uint8_t* payload = room.data();
    const std::uint8_t plain[2] = {0xFF, 'z'};
    payload[13] = static_cast<std::uint8_t>(payload[13] ^ 'z' ^ plain[0]);
    const std::uint32_t crc = cipher::Crc32Of(plain, sizeof plain);
    for (int k = 0; k < 4; ++k) payload[15 + k] = static_cast<std::uint8_t>(crc >> (8 * k));
    std::u16string lines(cipher::Base64LineWriter::OutputLength(19), u'\0');
    cipher::Base64LineWriter writer(lines.data());
    writer.Put(payload, 19);
    writer.Finish();
    d = DecodeBothWays(std::u16string(cipher::kBeginLine) + u"\r\n" + lines + std::u16string(cipher::kEndLine));
    EXPECT_EQ(d.status, cipher::Status::Corrupt);
    EXPECT_EQ(d.text, u"\uFFFDz");
}

}  // namespace
