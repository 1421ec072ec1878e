#include <gtest/gtest.h>

#include <string>

#include "wexlin/files/decodedopen.h"
#include "wexlin/files/decodedsave.h"

namespace {

using namespace std::string_literals;
using wexlin::files::DecodedFileBytes;
using wexlin::files::DecodedReadStatus;
using wexlin::files::ReadDecodedFile;
using wexlin::files::TextEncoding;

struct SaveCase {
    const char* name;
    std::u16string text;
    std::string bytes;
    std::u16string reopened;  // the text as it reads back; same as text when empty
};

const SaveCase kSaves[] = {
    {"Windows-1252", u"caf\u00E9 12 \u20AC", "caf\xE9 12 \x80\r\n"s, u""},
    {"undefined bytes", u"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D\r\n"s, u""},
    {"empty", u"", "\r\n"s, u""},
    {"final break of its own", u"a\r\n", "a\r\n\r\n"s, u""},
    {"lone CR", u"a\rb", "a\rb\r\n"s, u"a\r\nb"},
    {"lone LF", u"a\nb", "a\nb\r\n"s, u""},
    {"outside Windows-1252", u"\u03A9mega", "\xEF\xBB\xBF\xCE\xA9mega\r\n"s, u""},
    {"pair", u"\U0001F600", "\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n"s, u""},
    {"zero width no-break space first", u"\uFEFFx\u0100", "\xEF\xBB\xBF\xEF\xBB\xBFx\xC4\x80\r\n"s, u""},
    // Windows-1252 would begin with a byte order mark and read back as something else.
    {"looks like UTF-8 mark", u"\u00EF\u00BB\u00BFx", "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx\r\n"s, u""},
    {"looks like UTF-16 mark", u"\u00FF\u00FEx", "\xEF\xBB\xBF\xC3\xBF\xC3\xBEx\r\n"s, u""},
    {"mark not at the start", u"x\u00FF\u00FE", "x\xFF\xFE\r\n"s, u""},
    // UTF-8 cannot carry a surrogate without its partner; UTF-16 can.
    {"lone surrogate", u"a\xD800", "\xFF\xFE" "a\0\x00\xD8\r\0\n\0"s, u""},
};

TEST(DecodedSave, BytesAndReopenedText) {
    for (const SaveCase& c : kSaves) {
        const std::string bytes = DecodedFileBytes(c.text);
        EXPECT_EQ(bytes, c.bytes) << c.name;
        const auto file = ReadDecodedFile(bytes);
        EXPECT_EQ(file.status, DecodedReadStatus::Loaded) << c.name;
        EXPECT_EQ(file.text, c.reopened.empty() ? c.text : c.reopened) << c.name;
    }
}

struct OpenCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    std::u16string text;
};

const OpenCase kOpens[] = {
    {"Windows-1252", "caf\xE9\r\n", TextEncoding::Windows1252, u"caf\u00E9"},
    {"undefined bytes", "\x81\x8D\x8F\x90\x9D", TextEncoding::Windows1252, u"\u0081\u008D\u008F\u0090\u009D"},
    {"UTF-16 BE mark is not one", "\xFE\xFF", TextEncoding::Windows1252, u"\u00FE\u00FF"},
    {"UTF-8", "\xEF\xBB\xBF\xCE\xA9\r\n", TextEncoding::Utf8, u"\u03A9"},
    {"UTF-8 mark only", "\xEF\xBB\xBF", TextEncoding::Utf8, u""},
    {"UTF-8 after a long ASCII run", "\xEF\xBB\xBF" "0123456789abcdef\xCE\xA9", TextEncoding::Utf8,
     u"0123456789abcdef\u03A9"},
    {"UTF-8 pair", "\xEF\xBB\xBF\xF0\x9F\x98\x80", TextEncoding::Utf8, u"\U0001F600"},
    {"UTF-8 overlong", "\xEF\xBB\xBF\xC0\xAFx", TextEncoding::Utf8, u"\uFFFD\uFFFDx"},
    {"UTF-8 overlong, three bytes", "\xEF\xBB\xBF\xE0\x80\xAF", TextEncoding::Utf8, u"\uFFFD\uFFFD\uFFFD"},
    {"UTF-8 overlong, four bytes", "\xEF\xBB\xBF\xF0\x8F\xBF\xBF", TextEncoding::Utf8,
     u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"UTF-8 surrogate", "\xEF\xBB\xBF\xED\xA0\x80", TextEncoding::Utf8, u"\uFFFD\uFFFD\uFFFD"},
    {"UTF-8 above U+10FFFF", "\xEF\xBB\xBF\xF4\x90\x80\x80", TextEncoding::Utf8, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"UTF-8 cut short", "\xEF\xBB\xBF\xE2\x82" "A\xE2\x82", TextEncoding::Utf8, u"\uFFFD" "A\uFFFD"},
    {"UTF-8 cut short by a break", "\xEF\xBB\xBF\xE2\r\n\xE2\x82\r\n", TextEncoding::Utf8,
     u"\uFFFD\r\n\uFFFD"},
    {"UTF-8 stray continuation", "\xEF\xBB\xBF\x80\xBF", TextEncoding::Utf8, u"\uFFFD\uFFFD"},
    {"UTF-16", "\xFF\xFE\xA9\x03\r\0\n\0"s, TextEncoding::Utf16Le, u"\u03A9"},
    {"UTF-16 mark only", "\xFF\xFE", TextEncoding::Utf16Le, u""},
    {"UTF-16 odd last byte", "\xFF\xFE" "a\0b"s, TextEncoding::Utf16Le, u"a\uFFFD"},
    {"UTF-16 lone surrogate kept", "\xFF\xFE\x00\xDC"s, TextEncoding::Utf16Le, u"\xDC00"},
};

TEST(DecodedOpen, RecognisesTheEncoding) {
    for (const OpenCase& c : kOpens) {
        const auto file = ReadDecodedFile(c.bytes);
        EXPECT_EQ(file.status, DecodedReadStatus::Loaded) << c.name;
        EXPECT_EQ(file.encoding, c.encoding) << c.name;
        EXPECT_EQ(file.text, c.text) << c.name;
    }
}

TEST(DecodedOpen, EmptyFileIsAReadFailure) {
    EXPECT_EQ(ReadDecodedFile("").status, DecodedReadStatus::EmptyFile);
}

}  // namespace
