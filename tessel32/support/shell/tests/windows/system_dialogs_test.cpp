// The real common dialogs through the system shell, answered the way a person would: a timer on
// the test thread (its messages run inside the dialog's modal loop) finds the dialog, fills in
// the file name where there is one, and presses OK or Cancel.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <string>

#include "tessel32/shell/functions.h"

namespace tessel32::shell {
namespace {

struct Answer {
    int button = IDCANCEL;
    std::string file_name;  // typed into the file name box first, when not empty
    bool seen = false;
};
Answer g_answer;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, timer);
    g_answer.seen = true;
    if (!g_answer.file_name.empty()) {
        // The file name box: a combo box edit in the Explorer-style dialog, an edit in the old one.
        for (int id : {cmb13, edt1}) {
            if (HWND box = GetDlgItem(dialog, id)) SetWindowTextA(box, g_answer.file_name.c_str());
        }
    }
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(g_answer.button, BN_CLICKED), 0);
}

// Answers the next dialog this thread shows.
void AnswerNextDialog(int button, std::string file_name = "") {
    g_answer = Answer{button, std::move(file_name), false};
    ASSERT_NE(SetTimer(nullptr, 0, 100, Tick), 0u);
}

std::wstring WindowsFolder() { return GetWinDir() + L"\\"; }

struct Swatch {
    void SetBackColor(COLORREF color) { back_color = color; }
    COLORREF back_color = RGB(1, 2, 3);
};

TEST(SystemColorDialog, CancelLeavesTheTargetUnchanged) {
    Swatch target;
    AnswerNextDialog(IDCANCEL);
    EXPECT_FALSE(ShowColorDialog(SystemShell(), nullptr, target));
    EXPECT_TRUE(g_answer.seen);
    EXPECT_EQ(target.back_color, RGB(1, 2, 3));
}

TEST(SystemColorDialog, OkGivesTheChosenColour) {
    Swatch target;
    AnswerNextDialog(IDOK);
    EXPECT_TRUE(ShowColorDialog(SystemShell(), nullptr, target));
    EXPECT_TRUE(g_answer.seen);
    EXPECT_NE(target.back_color, RGB(1, 2, 3));
}

TEST(SystemFileDialog, OpeningAnExistingFileGivesItsPathFolderAndName) {
    LastPicture last;
    const std::string path = "C:\\windows\\win.ini";
    ASSERT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    AnswerNextDialog(IDOK, path);
    const std::wstring chosen = ShowFileDialog(SystemShell(), nullptr, 1, L"Open", L"", L"All files\0*.*\0\0",
                                               WindowsFolder(), L"", last);
    EXPECT_TRUE(g_answer.seen);
    EXPECT_EQ(CompareStringOrdinal(chosen.c_str(), -1, L"C:\\windows\\win.ini", -1, TRUE), CSTR_EQUAL) << chosen;
    EXPECT_EQ(CompareStringOrdinal(last.dir.c_str(), -1, L"C:\\windows\\", -1, TRUE), CSTR_EQUAL) << last.dir;
    EXPECT_EQ(CompareStringOrdinal(last.file.c_str(), -1, L"win.ini", -1, TRUE), CSTR_EQUAL) << last.file;
}

TEST(SystemFileDialog, SavingUnderANewNameAddsTheDefaultExtension) {
    LastPicture last;
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    const std::string folder = temp;
    DeleteFileA((folder + "tessel32 strip.bmp").c_str());
    AnswerNextDialog(IDOK, folder + "tessel32 strip");
    const std::wstring chosen = ShowFileDialog(SystemShell(), nullptr, 2, L"Save", L"",
                                               L"Bitmaps (*.bmp)\0*.bmp\0\0", L"", L"bmp", last);
    EXPECT_TRUE(g_answer.seen);
    EXPECT_EQ(last.file, L"tessel32 strip.bmp");
    EXPECT_FALSE(last.dir.empty());
    EXPECT_EQ(last.dir.back(), L'\\');
    EXPECT_EQ(chosen, last.dir + last.file);
}

TEST(SystemFileDialog, CancelGivesTheEmptyStringAndKeepsTheLastPicture) {
    LastPicture last{L"C:\\before\\", L"before.bmp"};
    AnswerNextDialog(IDCANCEL);
    EXPECT_EQ(ShowFileDialog(SystemShell(), nullptr, 1, L"Open", L"", L"", L"", L"", last), L"");
    EXPECT_TRUE(g_answer.seen);
    EXPECT_EQ(last.dir, L"C:\\before\\");
    EXPECT_EQ(last.file, L"before.bmp");
}

}  // namespace
}  // namespace tessel32::shell
