// RunFile through the scripted shell: what would be handed to ShellExecuteA.
#include <windows.h>

#include <gtest/gtest.h>

#include "scripted_shell.h"
#include "tessel32/shell/functions.h"

namespace tessel32::shell {
namespace {

const HWND kControl = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));

testing::Launch RunOnce(const std::wstring& name) {
    testing::ScriptedShell shell;
    RunFile(shell, kControl, name);
    EXPECT_EQ(shell.launches.size(), 1u);
    return shell.launches.empty() ? testing::Launch{} : shell.launches.front();
}

TEST(RunFile, AShortcutUsesTheDefaultAction) {
    const testing::Launch launch = RunOnce(L"C:\\Users\\Ann\\Desktop\\Wexlin.lnk");
    EXPECT_EQ(launch.verb, "");
    EXPECT_EQ(launch.file, "C:\\Users\\Ann\\Desktop\\Wexlin.lnk");
    EXPECT_EQ(launch.owner, kControl);
    EXPECT_EQ(launch.parameters, "");
    EXPECT_EQ(launch.directory, "");
    EXPECT_EQ(launch.show, SW_SHOWNORMAL);
}

TEST(RunFile, TheSameLettersInCapitalsUseOpen) {
    EXPECT_EQ(RunOnce(L"C:\\Wexlin.LNK").verb, "Open");
    EXPECT_EQ(RunOnce(L"C:\\readme.txt").verb, "Open");
}

TEST(RunFile, SurroundingSpacesDoNotHideTheShortcutAndTheNameGoesAsGiven) {
    const testing::Launch launch = RunOnce(L"  C:\\a.lnk  ");
    EXPECT_EQ(launch.verb, "");
    EXPECT_EQ(launch.file, "  C:\\a.lnk  ");
}

TEST(RunFile, AddressesGoToTheShellUnchanged) {
    for (const wchar_t* address : {L"http://www.example.com/tessel?x=1&y=2", L"mailto:someone@example.com"}) {
        const testing::Launch launch = RunOnce(address);
        EXPECT_EQ(launch.verb, "Open");
        EXPECT_EQ(launch.file, std::string(address, address + wcslen(address)));
    }
}

TEST(RunFile, TheNameGoesInTheAnsiCodePage) {
    const std::wstring name = L"C:\\caf\u00E9.txt";
    char expected[64] = {};
    WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, expected, sizeof(expected), nullptr, nullptr);
    EXPECT_EQ(RunOnce(name).file, expected);
}

}  // namespace
}  // namespace tessel32::shell
