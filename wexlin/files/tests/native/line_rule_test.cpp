// The line rule that every reader applies: CR LF or a lone CR ends a line, a lone LF stays in its
// line, the lines are joined by CR LF and the break after the last line goes.
#include <gtest/gtest.h>

#include <string>

#include "wexlin/files/decodedopen.h"
#include "wexlin/files/encodedopen.h"

namespace {

using wexlin::files::DecodedReadStatus;
using wexlin::files::EncodedReadStatus;
using wexlin::files::ReadDecodedFile;
using wexlin::files::ReadEncodedFile;

struct LineCase {
    const char* name;
    std::string file;  // ASCII
    std::string text;
};

const LineCase kLines[] = {
    {"CR LF", "one\r\ntwo\r\n", "one\r\ntwo"},
    {"lone CR", "one\rtwo\r\n", "one\r\ntwo"},
    {"lone LF", "one\ntwo\r\n", "one\ntwo"},
    {"no final break", "one\r\ntwo", "one\r\ntwo"},
    {"final lone CR", "one\r", "one"},
    {"final lone LF", "one\n", "one\n"},
    {"empty lines", "one\r\n\r\n\r\ntwo\r\n", "one\r\n\r\n\r\ntwo"},
    {"text's own final break", "one\r\n\r\n", "one\r\n"},
    {"CR CR LF", "one\r\r\ntwo", "one\r\n\r\ntwo"},
    {"LF CR", "one\n\rtwo", "one\n\r\ntwo"},
    {"only CR LF", "\r\n", ""},
    {"only LF", "\n", "\n"},
    {"empty", "", ""},
};

std::u16string Widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

std::string Utf16Le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

TEST(LineRule, EncodedFileBody) {
    for (const LineCase& c : kLines) {
        const auto file = ReadEncodedFile(">xyxo" + c.file);
        EXPECT_EQ(file.status, EncodedReadStatus::Loaded) << c.name;
        EXPECT_EQ(file.body, Widen(c.text)) << c.name;
    }
}

TEST(LineRule, TextFileInEveryEncoding) {
    for (const LineCase& c : kLines) {
        const std::string files[] = {c.file, "\xEF\xBB\xBF" + c.file, Utf16Le(c.file)};
        for (const std::string& bytes : files) {
            const auto file = ReadDecodedFile(bytes);
            if (bytes.empty()) {
                EXPECT_EQ(file.status, DecodedReadStatus::EmptyFile);
                continue;
            }
            EXPECT_EQ(file.status, DecodedReadStatus::Loaded) << c.name;
            EXPECT_EQ(file.text, Widen(c.text)) << c.name << " " << static_cast<int>(file.encoding);
        }
    }
}

TEST(LineRule, LongFileWithManyBreaks) {
    // Breaks of every kind, far more than any small buffer, in one text.
    std::string file, text;
    for (int i = 0; i < 20000; ++i) {
        const char* breaks[] = {"\r\n", "\r", "\n"};
        const std::string line = "line " + std::to_string(i);
        file += line + breaks[i % 3];
        text += line + (i % 3 == 2 ? "\n" : "\r\n");
    }
    text.erase(text.size() - 2);  // the break after the last line (a lone CR) goes
    EXPECT_EQ(ReadDecodedFile(file).text, Widen(text));
}

}  // namespace
