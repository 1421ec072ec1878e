#include "wexlin/files/encodedopen.h"

#include <gtest/gtest.h>

#include <string>

#include "wexlin/files/open_password.h"

namespace {

using namespace std::string_literals;
using wexlin::files::CheckOpenAnswer;
using wexlin::files::EncodedReadStatus;
using wexlin::files::OpenAnswer;
using wexlin::files::ReadEncodedFile;

struct OpenCase {
    const char* name;
    std::string file;
    EncodedReadStatus status;
    bool needs_password = false;
    std::u16string stored_password = u"";
    std::u16string body = u"";
};

const OpenCase kCases[] = {
    {"no password", ">xyxobody\r\n", EncodedReadStatus::Loaded, false, u"none", u"body"},
    {"None is a password", ">Xyxobody\r\n", EncodedReadStatus::Loaded, true, u"None", u"body"},
    {"three characters", "=klmbody\r\n", EncodedReadStatus::Loaded, true, u"abc", u"body"},
    {"digit 0", ":body\r\n", EncodedReadStatus::Loaded, true, u"", u"body"},
    {"header and nothing after it", "=klm\r\n", EncodedReadStatus::Loaded, true, u"abc", u""},
    {"header without trailer", "=klm", EncodedReadStatus::Loaded, true, u"abc", u""},
    {"body in Windows-1252", ">xyxo\x80\x81\xE9\r\n", EncodedReadStatus::Loaded, false, u"none",
     u"\u20AC\u0081\u00E9"},
    {"password from high bytes", ";\x8A" "body", EncodedReadStatus::Loaded, true, u"\u20AC", u"body"},
    {"empty file", "", EncodedReadStatus::NothingToLoad},
    {"only CR LF", "\r\n", EncodedReadStatus::NothingToLoad},
    {"only a lone CR", "\r", EncodedReadStatus::NothingToLoad},
    {"letter", "Kxyz\r\n", EncodedReadStatus::Corrupt},       // K - 10 = A
    {"sign", "+xyz\r\n", EncodedReadStatus::Corrupt},         // + - 10 = !
    {"just above 9", "Dabcdefghi\r\n", EncodedReadStatus::Corrupt},  // D - 10 = :
    {"just below 0", "9abcdefghi\r\n", EncodedReadStatus::Corrupt},  // 9 - 10 = /
    {"LF first", "\nabc", EncodedReadStatus::Corrupt},        // code 10 moves down to 0
    {"two line breaks", "\r\n\r\n", EncodedReadStatus::Corrupt},
    {"first code 9", "\x09" "abc", EncodedReadStatus::HeaderCodeBelow10},
    {"first code 0", "\0abc"s, EncodedReadStatus::HeaderCodeBelow10},
    {"password code below 10", "<k\x05rest", EncodedReadStatus::HeaderCodeBelow10},
    {"short and a code below 10", "=\x05", EncodedReadStatus::HeaderCodeBelow10},
    {"shorter than header", "=kl", EncodedReadStatus::ShorterThanHeader},
    {"nine announced, one there", "Ck\r\n", EncodedReadStatus::ShorterThanHeader},
    {"length character alone", "C", EncodedReadStatus::ShorterThanHeader},
};

TEST(EncodedOpen, ReadsHeaderAndBody) {
    for (const OpenCase& c : kCases) {
        const auto file = ReadEncodedFile(c.file);
        EXPECT_EQ(file.status, c.status) << c.name;
        if (c.status != EncodedReadStatus::Loaded) continue;
        EXPECT_EQ(file.needs_password, c.needs_password) << c.name;
        EXPECT_EQ(file.stored_password, c.stored_password) << c.name;
        EXPECT_EQ(file.body, c.body) << c.name;
    }
}

TEST(EncodedOpen, AnswersToTheOpenPrompt) {
    const struct {
        std::u16string stored, answer;
        OpenAnswer expected;
    } kAnswers[] = {
        {u"abc", u"abc", OpenAnswer::Accepted},
        {u"abc", u"ABC", OpenAnswer::Wrong},
        {u"abc", u"ab", OpenAnswer::Wrong},
        {u"abc", u"abcd", OpenAnswer::Wrong},
        {u"abc", u"", OpenAnswer::Empty},
        {u"None", u"none", OpenAnswer::Wrong},
        {u"", u"", OpenAnswer::Empty},  // digit 0: no answer opens the file
        {u"", u"x", OpenAnswer::Wrong},
        {u"\u20AC", u"\u20AC", OpenAnswer::Accepted},
    };
    for (const auto& c : kAnswers) {
        EXPECT_EQ(CheckOpenAnswer(c.stored, c.answer), c.expected);
    }
}

}  // namespace
