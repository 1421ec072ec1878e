// GetWinDir, GetWinSysDir and IsNtPlatform against the system of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "tessel32/shell/functions.h"

namespace tessel32::shell {
namespace {

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Drive, colon, backslash, then a folder name.
bool LooksLikeAFolderOnADrive(const std::wstring& path) {
    return path.size() > 3 && std::iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\' && path[3] != L'\\';
}

TEST(GetWinDir, IsTheWindowsDirectoryWithoutTrailingBackslash) {
    const std::wstring dir = GetWinDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), L'\\');
    EXPECT_EQ(dir.find(L'\0'), std::wstring::npos);
    EXPECT_EQ(dir.find(L' '), std::wstring::npos) << "no padding left";
    EXPECT_TRUE(LooksLikeAFolderOnADrive(dir)) << dir;
    EXPECT_TRUE(IsDirectory(dir));
    wchar_t system_view[MAX_PATH] = {};
    GetWindowsDirectoryW(system_view, MAX_PATH);
    EXPECT_EQ(CompareStringOrdinal(dir.c_str(), -1, system_view, -1, TRUE), CSTR_EQUAL) << dir;
}

TEST(GetWinSysDir, IsTheSystemDirectoryWithoutTrailingBackslash) {
    const std::wstring dir = GetWinSysDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), L'\\');
    EXPECT_TRUE(LooksLikeAFolderOnADrive(dir)) << dir;
    EXPECT_TRUE(IsDirectory(dir));
    const std::wstring windows = GetWinDir() + L"\\";
    EXPECT_EQ(CompareStringOrdinal(dir.substr(0, windows.size()).c_str(), -1, windows.c_str(), -1, TRUE), CSTR_EQUAL)
        << dir << " lies in " << windows;
}

TEST(IsNtPlatform, IsTrueOnAnNtFamilySystem) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    ASSERT_TRUE(GetVersionExA(&version));
    ASSERT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_TRUE(IsNtPlatform());
}

}  // namespace
}  // namespace tessel32::shell
