// The portable rules of the shell, directory and dialog functions.
#include <gtest/gtest.h>

#include <string>

#include "tessel32/shell/rules.h"

namespace tessel32::shell {
namespace {

using namespace std::string_literals;

TEST(StripNul, CutsAtTheFirstNul) {
    EXPECT_EQ(StripNul("C:\\WINDOWS\0\0\0junk"s), "C:\\WINDOWS");
    EXPECT_EQ(StripNul("\0abc"s), "");
    EXPECT_EQ(StripNul(L"wide\0rest"s), L"wide");
}

TEST(StripNul, LeavesTextWithoutNulAlone) {
    EXPECT_EQ(StripNul("no nul here"s), "no nul here");
    EXPECT_EQ(StripNul(""s), "");
    EXPECT_EQ(StripNul(std::string_view("view")), "view");
}

TEST(TrimSpaces, RemovesOnlySpacesAtBothEnds) {
    EXPECT_EQ(TrimSpaces(std::string_view("  a b  ")), "a b");
    EXPECT_EQ(TrimSpaces(std::string_view("\ta\t")), "\ta\t");
    EXPECT_EQ(TrimSpaces(std::string_view("    ")), "");
    EXPECT_EQ(TrimSpaces(std::wstring_view(L" x")), L"x");
}

TEST(RunFileVerb, ANameEndingInLnkUsesTheDefaultAction) {
    EXPECT_EQ(RunFileVerb(L"C:\\Users\\Ann\\Desktop\\Wexlin.lnk"), L"");
    EXPECT_EQ(RunFileVerb(L"  shortcut.lnk   "), L"");
    EXPECT_EQ(RunFileVerb(L"lnk"), L"");
    EXPECT_EQ(RunFileVerb(L"xlnk"), L"");  // the last three characters, dot or not
}

TEST(RunFileVerb, OtherNamesAndCapitalsUseOpen) {
    EXPECT_EQ(RunFileVerb(L"Wexlin.LNK"), L"Open");
    EXPECT_EQ(RunFileVerb(L"Wexlin.Lnk"), L"Open");
    EXPECT_EQ(RunFileVerb(L"readme.txt"), L"Open");
    EXPECT_EQ(RunFileVerb(L"shortcut.lnk.txt"), L"Open");
    EXPECT_EQ(RunFileVerb(L"http://www.example.com/"), L"Open");
    EXPECT_EQ(RunFileVerb(L"mailto:someone@example.com"), L"Open");
    EXPECT_EQ(RunFileVerb(L"nk"), L"Open");
    EXPECT_EQ(RunFileVerb(L""), L"Open");
    EXPECT_EQ(RunFileVerb(L"   "), L"Open");
}

TEST(IsNtPlatformId, ReadsThePlatformFamily) {
    EXPECT_TRUE(IsNtPlatformId(0));   // Win32s
    EXPECT_FALSE(IsNtPlatformId(1));  // Windows 95 family
    EXPECT_TRUE(IsNtPlatformId(2));   // Windows NT
    EXPECT_FALSE(IsNtPlatformId(3));
    EXPECT_FALSE(IsNtPlatformId(0xFFFFFFFFu));
}

TEST(Filter, PairsAreNulSeparatedAndTheListEndsInASecondNul) {
    EXPECT_EQ(MakeFilter({{"Bitmaps (*.bmp)", "*.bmp"}, {"All files", "*.*"}}),
              "Bitmaps (*.bmp)\0*.bmp\0All files\0*.*\0\0"s);
    EXPECT_EQ(MakeFilter({}), "");
    EXPECT_EQ(MakeFilter({{"cut\0here"s, "*.x"}}), "cut\0*.x\0\0"s);
}

TEST(Filter, AHandedOverFilterAlwaysEndsInTwoNuls) {
    EXPECT_EQ(TerminateFilter("Pictures\0*.bmp;*.ico"s), "Pictures\0*.bmp;*.ico\0\0"s);
    EXPECT_EQ(TerminateFilter("Pictures\0*.bmp\0"s), "Pictures\0*.bmp\0\0"s);
    EXPECT_EQ(TerminateFilter("Pictures\0*.bmp\0\0"s), "Pictures\0*.bmp\0\0"s);
    EXPECT_EQ(TerminateFilter("\0"s), "\0\0"s);
    EXPECT_EQ(TerminateFilter(""), "");
}

TEST(FileNameBuffer, HoldsTheStartFileAndFullPaths) {
    const auto empty = FileNameBuffer("");
    EXPECT_EQ(empty.size(), kPathChars);
    EXPECT_GE(kPathChars, 260u);  // MAX_PATH
    for (char c : empty) EXPECT_EQ(c, '\0');

    const auto start = FileNameBuffer("C:\\pics\\tools.bmp");
    ASSERT_EQ(start.size(), kPathChars);
    EXPECT_EQ(std::string(start.data()), "C:\\pics\\tools.bmp");
    for (std::size_t i = 17; i < start.size(); ++i) EXPECT_EQ(start[i], '\0');

    const std::string long_name(300, 'x');
    const auto long_buffer = FileNameBuffer(long_name);
    ASSERT_EQ(long_buffer.size(), 301u);
    EXPECT_EQ(std::string(long_buffer.data()), long_name);
    EXPECT_EQ(long_buffer.back(), '\0');

    EXPECT_EQ(std::string(FileNameBuffer("a\0b"s).data()), "a");
}

TEST(SplitChosenFile, FolderWithBackslashAndFileName) {
    const ChosenFile chosen = SplitChosenFile("C:\\pics\\tools.bmp\0\0\0\0"s, 8);
    EXPECT_EQ(chosen.path, "C:\\pics\\tools.bmp");
    EXPECT_EQ(chosen.folder, "C:\\pics\\");
    EXPECT_EQ(chosen.file_name, "tools.bmp");
}

TEST(SplitChosenFile, AnOffsetOutsideThePathNeverReadsPastIt) {
    const ChosenFile past = SplitChosenFile("C:\\a.bmp\0zzzz"s, 40);
    EXPECT_EQ(past.folder, "C:\\a.bmp");
    EXPECT_EQ(past.file_name, "");
    const ChosenFile start = SplitChosenFile("a.bmp", 0);
    EXPECT_EQ(start.folder, "");
    EXPECT_EQ(start.file_name, "a.bmp");
    const ChosenFile none = SplitChosenFile(std::string_view(), 3);
    EXPECT_EQ(none.path, "");
}

}  // namespace
}  // namespace tessel32::shell
