// The real desktop's clipboard and program start, on Wine's real clipboard and processes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "desktop.h"

namespace wexlin {
namespace {

TEST(SystemDesktop, ClipboardTextGoesInComesBackAndEmptyingRemovesIt) {
    Desktop& desktop = SystemDesktop();
    const std::wstring text = L"line one\r\nline two \u00e9\u4e2d";
    ASSERT_EQ(desktop.SetClipboardText(nullptr, text), static_cast<DWORD>(ERROR_SUCCESS));
    std::wstring read = L"stale";
    ASSERT_EQ(desktop.GetClipboardText(nullptr, read), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(read, text);

    ASSERT_EQ(desktop.EmptyClipboard(nullptr), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(desktop.GetClipboardText(nullptr, read), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(read, L"");

    ASSERT_EQ(desktop.SetClipboardText(nullptr, L""), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));  // an empty text is still a text
}

TEST(SystemDesktop, StartsAProgramByItsPathAndReportsOneThatIsMissing) {
    Desktop& desktop = SystemDesktop();
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(desktop.StartProgram(std::wstring(system) + L"\\hostname.exe"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_NE(desktop.StartProgram(std::wstring(system) + L"\\no such program.exe"),
              static_cast<DWORD>(ERROR_SUCCESS));
}

TEST(SystemDesktop, ErrorTextsHaveNoTrailingLineBreak) {
    const std::wstring text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), L'\n');
    EXPECT_FALSE(SystemErrorText(0x2FFFFFFF).empty());  // an unknown code still says something
}

}  // namespace
}  // namespace wexlin
