#include <gtest/gtest.h>

#include <string>

#include "wexlin/files/file_names.h"

namespace wexlin::files {
namespace {

TEST(FileNames, WhichNamesEndInTheLetters) {
    struct Case {
        const wchar_t* name;
        bool exactly, folded;
    } cases[] = {
        {L"C:\\a\\note.wxl", true, true},
        {L"C:\\a\\NOTE.WXL", false, true},
        {L"note.Wxl", false, true},
        {L"notewxl", true, true},  // no dot needed
        {L"note.wxl ", false, false},
        {L"\"C:\\a b\\note.wxl\"", false, false},  // a quote is the last character
        {L"xl", false, false},
        {L"", false, false},
        {L"note.txt", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndsInExactly(c.name, L"wxl"), c.exactly) << c.name;
        EXPECT_EQ(EndsInFolded(c.name, L"wxl"), c.folded) << c.name;
    }
}

TEST(FileNames, SaveNamesGetTheExtensionUnlessTheyEndInItInAnyCase) {
    struct Case {
        const wchar_t *name, *letters, *expected;
    } cases[] = {
        {L"C:\\d\\secret", L"wxl", L"C:\\d\\secret.wxl"},
        {L"C:\\d\\secret.WXL", L"wxl", L"C:\\d\\secret.WXL"},
        {L"C:\\d\\secret.txt", L"wxl", L"C:\\d\\secret.txt.wxl"},
        {L"C:\\d\\notes", L"txt", L"C:\\d\\notes.txt"},
        {L"C:\\d\\notesTXT", L"txt", L"C:\\d\\notesTXT"},
    };
    for (const Case& c : cases) EXPECT_EQ(NameWithExtension(c.name, c.letters), c.expected) << c.name;
}

TEST(FileNames, CommandLineLosesOnePairOfEnclosingQuotesOnly) {
    struct Case {
        const wchar_t *command_line, *expected;
    } cases[] = {
        {L"C:\\d\\a.wxl", L"C:\\d\\a.wxl"},
        {L"\"C:\\my files\\a.wxl\"", L"C:\\my files\\a.wxl"},
        {L"\"\"C:\\a.wxl\"\"", L"\"C:\\a.wxl\""},
        {L"\"C:\\a.wxl", L"\"C:\\a.wxl"},  // unbalanced: taken whole
        {L"\"", L"\""},
        {L"\"\"", L""},
        {L" C:\\a.txt ", L" C:\\a.txt "},  // no trimming
        {L"", L""},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandLineFileName(c.command_line), c.expected) << c.command_line;
}

}  // namespace
}  // namespace wexlin::files
