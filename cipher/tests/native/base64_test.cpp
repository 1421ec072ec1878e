#include "cipher/base64.h"

#include "block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(std::string_view s) { return {s.begin(), s.end()}; }

// Writes data through the line writer, handing it over in pieces of `piece` bytes.
std::u16string WriteLines(const std::vector<std::uint8_t>& data, std::size_t piece = SIZE_MAX) {
    std::u16string out(cipher::Base64LineWriter::OutputLength(data.size()), u'?');
    cipher::Base64LineWriter writer(out.data());
    for (std::size_t at = 0; at < data.size(); at += piece) writer.Put(data.data() + at, std::min(piece, data.size() - at));
    const char16_t* end = writer.Finish();
    EXPECT_EQ(end, out.data() + out.size()) << "OutputLength disagrees with the writer";
    return out;
}

struct Read {
    std::vector<std::uint8_t> bytes;
    bool intact;
};

// Reads a body as the block reader meets it, closed by an end line unless told otherwise.
Read ReadBody(std::u16string_view body, bool closed = true) {
    const std::u16string text = std::u16string(body) + (closed ? u"\r\n-----END WEXLIN ENCODED TEXT-----" : u"");
    std::vector<std::uint8_t> out(cipher::MaxBodyBytes(text, 0));
    const cipher::Body read = cipher::ReadBody(text, 0, out.data());
    out.resize(read.bytes);
    return {out, read.intact};
}

struct Vector {
    const char* plain;
    const char16_t* encoded;
};

// RFC 4648, section 10
const Vector kRfcVectors[] = {
    {"", u""},         {"f", u"Zg=="},         {"fo", u"Zm8="},         {"foo", u"Zm9v"},
    {"foob", u"Zm9vYg=="}, {"fooba", u"Zm9vYmE="}, {"foobar", u"Zm9vYmFy"},
};

TEST(Base64, RfcVectorsWriteAsOneLine) {
    for (const Vector& v : kRfcVectors) {
        const std::u16string expected = *v.encoded ? std::u16string(v.encoded) + u"\r\n" : u"";
        EXPECT_EQ(WriteLines(Bytes(v.plain)), expected) << v.plain;
    }
}

TEST(Base64, RfcVectorsRead) {
    for (const Vector& v : kRfcVectors) {
        const Read r = ReadBody(v.encoded);
        EXPECT_EQ(r.bytes, Bytes(v.plain)) << v.plain;
        EXPECT_TRUE(r.intact) << v.plain;
    }
}

TEST(Base64, BreaksLinesAfterSixtyFourDigits) {
    const std::vector<std::uint8_t> data(48 * 2 + 1, 0xFF);
    const std::u16string slash64(64, u'/');
    EXPECT_EQ(WriteLines(data), slash64 + u"\r\n" + slash64 + u"\r\n" + u"/w==\r\n");
    EXPECT_EQ(WriteLines(std::vector<std::uint8_t>(48, 0xFF)), slash64 + u"\r\n");
}

TEST(Base64, OutputDoesNotDependOnHowBytesAreHandedOver) {
    std::vector<std::uint8_t> data(500);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const std::u16string whole = WriteLines(data);
    for (std::size_t piece : {1, 2, 4, 47, 48, 49, 100}) EXPECT_EQ(WriteLines(data, piece), whole) << piece;
    EXPECT_EQ(ReadBody(whole).bytes, data);
}

TEST(BlockReader, PassesOverBreaksQuotingAndSpaces) {
    for (const char16_t* body : {u"Zm9v\r\nYm\nFy", u"> Zm9v\r> > Ym Fy\t", u"Zm9v\u00A0YmFy", u"\r\n\r\nZm9vYmFy\r\n\r\n"}) {
        const Read r = ReadBody(body);
        EXPECT_EQ(r.bytes, Bytes("foobar")) << testing::PrintToString(std::u16string(body));
        EXPECT_TRUE(r.intact) << testing::PrintToString(std::u16string(body));
    }
}

TEST(BlockReader, DamagedDigitReadsAsZeroAndKeepsTheRestInPlace) {
    // '!' stands where 'Y' (24) was: the fourth byte changes, the others stay.
    const Read r = ReadBody(u"Zm9v!mFy");
    EXPECT_EQ(r.bytes, (std::vector<std::uint8_t>{'f', 'o', 'o', 0x02, 'a', 'r'}));
    EXPECT_FALSE(r.intact);
}

TEST(BlockReader, WithoutAnEndLineTheBodyStopsAtTheFirstForeignCharacter) {
    const Read r = ReadBody(u"Zm9vYmFy\r\n\r\n-- \r\nBob", false);
    EXPECT_EQ(r.bytes, Bytes("foobar"));
    EXPECT_FALSE(r.intact);
}

TEST(BlockReader, TailBitsAndPaddingMustBeAnEncoders) {
    struct Case {
        const char16_t* body;
        bool intact;
    } cases[] = {
        {u"Zg==", true}, {u"Zh==", false}, {u"Zm8=", true}, {u"Zm9=", false}, {u"Zm9v", true},
        {u"Zg=", false}, {u"Zm8", false}, {u"Zg==Zm9v", false}, {u"Zm9vZ", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadBody(c.body).intact, c.intact) << testing::PrintToString(std::u16string(c.body));
}

TEST(BlockReader, ReadsInTheTextsOwnMemory) {
    std::u16string text = WriteLines(Bytes("The quick brown fox jumps over the lazy dog")) + u"-----END WEXLIN ENCODED TEXT-----";
    text.insert(0, u"> ");
    auto* out = reinterpret_cast<std::uint8_t*>(text.data());
    const cipher::Body read = cipher::ReadBody(text, 0, out);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + read.bytes), Bytes("The quick brown fox jumps over the lazy dog"));
    EXPECT_TRUE(read.intact);
}

}  // namespace
