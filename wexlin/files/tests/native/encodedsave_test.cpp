#include "wexlin/files/encodedsave.h"

#include <gtest/gtest.h>

#include <string>

#include "wexlin/files/encodedopen.h"

namespace {

using namespace std::string_literals;
using wexlin::files::CheckSavePassword;
using wexlin::files::EncodedFileBytes;
using wexlin::files::EncodedReadStatus;
using wexlin::files::ReadEncodedFile;
using wexlin::files::SavePasswordStatus;

struct HeaderCase {
    std::u16string password;
    std::string header;  // length character 58 + n, then each character's code + 10
};

const HeaderCase kHeaders[] = {
    {u"1", ";;"},
    {u"12", "<;<"},
    {u"123", "=;<="},
    {u"1234", ">;<=>"},
    {u"12345", "?;<=>?"},
    {u"123456", "@;<=>?@"},
    {u"1234567", "A;<=>?@A"},
    {u"12345678", "B;<=>?@AB"},
    {u"123456789", "C;<=>?@ABC"},
    {u"none", "\x3E\x78\x79\x78\x6F"},  // 62 120 121 120 111: the no-password marker
    {u"None", ">Xyxo"},
    {u"NONE", ">XYXO"},
    {u"pass", ">zk}}"},
    {u"\u00E9", ";\xF3"},   // é
    {u"\u00F5", ";\xFF"},   // õ, code 245: the highest that can be stored
    {u"\u20AC", ";\x8A"},   // €, byte 0x80
    {u"\u0081", ";\x8B"},   // an undefined byte of the code page
    {u"a b", "=k*l"},       // a space
};

TEST(EncodedSavePassword, HeaderOfEveryAcceptedPassword) {
    for (const HeaderCase& c : kHeaders) {
        const auto result = CheckSavePassword(c.password);
        EXPECT_EQ(result.status, SavePasswordStatus::Accepted) << c.header;
        EXPECT_EQ(result.header, c.header);
    }
}

TEST(EncodedSavePassword, SavedFileOpensWithItsPassword) {
    for (const HeaderCase& c : kHeaders) {
        const auto saved = EncodedFileBytes(CheckSavePassword(c.password).header, u"BODY\r\nTWO");
        ASSERT_TRUE(saved.has_value());
        const auto opened = ReadEncodedFile(*saved);
        EXPECT_EQ(opened.status, EncodedReadStatus::Loaded) << c.header;
        EXPECT_EQ(opened.needs_password, c.password != u"none") << c.header;
        EXPECT_EQ(opened.stored_password, c.password) << c.header;
        EXPECT_EQ(opened.body, u"BODY\r\nTWO") << c.header;
    }
}

TEST(EncodedSavePassword, RefusedAnswers) {
    const struct {
        std::u16string answer;
        SavePasswordStatus status;
    } kCases[] = {
        {u"", SavePasswordStatus::Empty},
        {u"1234567890", SavePasswordStatus::TooLong},
        {u"none of it", SavePasswordStatus::TooLong},
        {u"\u0100\u0100\u0100\u0100\u0100\u0100\u0100\u0100\u0100\u0100", SavePasswordStatus::TooLong},
        {u"\u00F6", SavePasswordStatus::Unstorable},      // ö, code 246
        {u"ab\u00FF", SavePasswordStatus::Unstorable},    // ÿ, code 255
        {u"\u0100", SavePasswordStatus::Unstorable},      // not in Windows-1252
        {u"\u0080", SavePasswordStatus::Unstorable},      // likewise
        {u"x\U0001F600", SavePasswordStatus::Unstorable},
        {u"a\x0003z", SavePasswordStatus::Unstorable},    // stored as a CR, which ends a line
    };
    for (const auto& c : kCases) {
        const auto result = CheckSavePassword(c.answer);
        EXPECT_EQ(result.status, c.status) << static_cast<int>(c.answer.size());
        EXPECT_TRUE(result.header.empty());
    }
}

TEST(EncodedFile, WholeFileByteForByte) {
    // Password "abc": length character 58 + 3 = 61, then 'a' 'b' 'c' each + 10, the encoded
    // text unchanged, CR LF.
    const std::string expected = "\x3D\x6B\x6C\x6D"s + "Q1\r\nR2" + "\x0D\x0A";
    EXPECT_EQ(EncodedFileBytes(CheckSavePassword(u"abc").header, u"Q1\r\nR2"), expected);

    const std::string no_password = "\x3E\x78\x79\x78\x6F"s + "Q1" + "\x0D\x0A";
    EXPECT_EQ(EncodedFileBytes(CheckSavePassword(u"none").header, u"Q1"), no_password);
}

TEST(EncodedFile, EncodedTextMustFitWindows1252) {
    const std::string header = CheckSavePassword(u"abc").header;
    EXPECT_EQ(EncodedFileBytes(header, u"caf\u00E9 \u20AC"), "=klmcaf\xE9 \x80\r\n"s);
    EXPECT_EQ(EncodedFileBytes(header, u"Q1\u0100"), std::nullopt);
    EXPECT_EQ(EncodedFileBytes(header, u"\xDC00"), std::nullopt);
}

}  // namespace
