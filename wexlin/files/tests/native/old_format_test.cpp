#include "wexlin/files/old_format.h"

#include <gtest/gtest.h>

#include <string>

#include "wexlin/files/windows1252.h"

namespace {

using namespace std::string_literals;
using wexlin::files::FromWindows1252;
using wexlin::files::OldFormatReadStatus;
using wexlin::files::ReadOldFormatFile;

// What the previous version wrote: the header, every character of the plain text raised by 9
// (so CR LF becomes 22 19), and a final CR LF.
std::string OldFile(const std::string& header, const std::string& plain) {
    std::string file = header;
    for (char c : plain) file.push_back(static_cast<char>(static_cast<unsigned char>(c) + 9));
    return file + "\r\n";
}

TEST(OldFormat, PlainTextComesBack) {
    const std::string kPlain[] = {
        "Hello",
        "two\r\nlines",
        "ends with a break\r\n",
        "\r\n\r\n",
        "",
        "caf\xE9 \x80",
        "\xF6 is the highest code the old format could store",
        "\0 is the lowest"s,
        "a lone CR\rstays",
    };
    for (const std::string& plain : kPlain) {
        const auto file = ReadOldFormatFile(OldFile(">xyxo", plain));
        EXPECT_EQ(file.status, OldFormatReadStatus::Loaded) << plain;
        EXPECT_FALSE(file.needs_password) << plain;
        EXPECT_EQ(file.plain_text, FromWindows1252(plain)) << plain;
    }
}

TEST(OldFormat, StoredBreaksAreExactlyCrLfRaisedBy9) {
    const auto file = ReadOldFormatFile(">xyxo" "\x6A\x16\x13\x6B"s);  // a 22 19 b
    EXPECT_EQ(file.plain_text, u"a\r\nb");
}

TEST(OldFormat, RealLineBreaksInTheFileAreLineBreaks) {
    const std::string file = ">xyxo" + OldFile("", "a") + OldFile("", "b").substr(0, 1) + "\r" +
                             OldFile("", "c").substr(0, 1) + "\n" + OldFile("", "d");
    EXPECT_EQ(ReadOldFormatFile(file).plain_text, u"a\r\nb\r\nc\x01" u"d");
}

TEST(OldFormat, HeaderAndBodyChecks) {
    const struct {
        const char* name;
        std::string file;
        OldFormatReadStatus status;
        std::u16string password = u"";
        std::u16string plain_text = u"";
    } kCases[] = {
        {"password", OldFile("=klm", "text"), OldFormatReadStatus::Loaded, u"abc", u"text"},
        {"header only", "=klm\r\n", OldFormatReadStatus::Loaded, u"abc", u""},
        {"lowest body code", ">xyxo\x09", OldFormatReadStatus::Loaded, u"none", u"\0"s},
        // A current .wxl passes the same checks and is moved down by 9 once more.
        {"current format", ">xyxoJK\r\n", OldFormatReadStatus::Loaded, u"none", u"AB"},
        {"empty file", "", OldFormatReadStatus::NothingToLoad},
        {"only CR LF", "\r\n", OldFormatReadStatus::NothingToLoad},
        {"corrupt", "Kxyz\r\n", OldFormatReadStatus::Corrupt},
        {"header code below 10", "<k\x09xyz", OldFormatReadStatus::HeaderCodeBelow10},
        {"shorter than header", "=kl", OldFormatReadStatus::ShorterThanHeader},
        {"body code below 9", ">xyxoJ\x08K", OldFormatReadStatus::BodyCodeBelow9},
        {"body code 0", ">xyxo\0"s, OldFormatReadStatus::BodyCodeBelow9},
    };
    for (const auto& c : kCases) {
        const auto file = ReadOldFormatFile(c.file);
        EXPECT_EQ(file.status, c.status) << c.name;
        if (c.status != OldFormatReadStatus::Loaded) continue;
        EXPECT_EQ(file.needs_password, c.password != u"none") << c.name;
        EXPECT_EQ(file.stored_password, c.password) << c.name;
        EXPECT_EQ(file.plain_text, c.plain_text) << c.name;
    }
}

}  // namespace
