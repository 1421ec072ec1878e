// ShowColorDialog and ShowFileDialog through the scripted shell: what the dialogs are given and
// what their answers do.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "scripted_shell.h"
#include "tessel32/shell/functions.h"
#include "tessel32/shell/rules.h"

namespace tessel32::shell {
namespace {

using namespace std::string_literals;

const HWND kOwner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x4242));

struct Swatch {
    void SetBackColor(COLORREF color) {
        back_color = color;
        ++assignments;
    }
    COLORREF back_color = RGB(1, 2, 3);
    int assignments = 0;
};

TEST(ShowColorDialog, CancelLeavesTheTargetUnchanged) {
    testing::ScriptedShell shell;
    shell.color_answers = {std::nullopt};
    Swatch target;
    EXPECT_FALSE(ShowColorDialog(shell, kOwner, target));
    EXPECT_EQ(target.back_color, RGB(1, 2, 3));
    EXPECT_EQ(target.assignments, 0);
    EXPECT_EQ(shell.color_dialogs.size(), 1u);
}

TEST(ShowColorDialog, AChosenColourBecomesTheTargetsBackColour) {
    testing::ScriptedShell shell;
    shell.color_answers = {RGB(0, 128, 255)};
    Swatch target;
    EXPECT_TRUE(ShowColorDialog(shell, kOwner, target));
    EXPECT_EQ(target.back_color, RGB(0, 128, 255));
}

TEST(ShowColorDialog, AsksForSolidColoursWithSixteenBlackCustomColoursEachTime) {
    testing::ScriptedShell shell;
    shell.color_answers = {RGB(9, 9, 9), std::nullopt};
    Swatch target;
    ShowColorDialog(shell, kOwner, target);
    ShowColorDialog(shell, kOwner, target);
    ASSERT_EQ(shell.color_dialogs.size(), 2u);
    for (const testing::ColorDialogShown& shown : shell.color_dialogs) {
        EXPECT_EQ(shown.struct_size, sizeof(CHOOSECOLORA));
        EXPECT_EQ(shown.owner, kOwner);
        EXPECT_EQ(shown.instance, reinterpret_cast<HWND>(GetModuleHandleW(nullptr)));  // the linking module
        EXPECT_EQ(shown.initial, 0u);
        EXPECT_EQ(shown.flags, static_cast<DWORD>(CC_SOLIDCOLOR));
        EXPECT_EQ(shown.flags, 0x80u);
        ASSERT_EQ(shown.custom_colors.size(), 16u);
        for (COLORREF c : shown.custom_colors) EXPECT_EQ(c, 0u);
    }
}

class ShowFileDialogTest : public ::testing::Test {
protected:
    std::wstring Show(std::int16_t mode, const std::wstring& start = L"", const std::wstring& dir = L"C:\\pics") {
        return ShowFileDialog(shell, kOwner, mode, L"Choose a picture", start, L"Bitmaps (*.bmp)\0*.bmp\0\0"s, dir,
                              L"bmp", last);
    }
    testing::ScriptedShell shell;
    LastPicture last{L"C:\\before\\", L"before.bmp"};
};

TEST_F(ShowFileDialogTest, OpenModeChoosingAFileSetsTheLastPictureFolderAndFile) {
    shell.file_answers = {"C:\\pics\\tools.bmp"s};
    EXPECT_EQ(Show(1, L"tools.bmp"), L"C:\\pics\\tools.bmp");
    EXPECT_EQ(last.dir, L"C:\\pics\\");
    EXPECT_EQ(last.file, L"tools.bmp");

    ASSERT_EQ(shell.file_dialogs.size(), 1u);
    const testing::FileDialogShown& shown = shell.file_dialogs.front();
    EXPECT_TRUE(shown.open);
    EXPECT_EQ(shown.flags, 6148u);
    EXPECT_EQ(shown.struct_size, kOpenFileNameSize);
    EXPECT_EQ(shown.owner, kOwner);
    EXPECT_EQ(shown.title, "Choose a picture");
    EXPECT_EQ(shown.start_file, "tools.bmp");
    EXPECT_GE(shown.max_file, 260u);
    EXPECT_EQ(shown.file_buffer.size(), shown.max_file);
    for (std::size_t i = shown.start_file.size(); i < shown.file_buffer.size(); ++i) {
        EXPECT_EQ(shown.file_buffer[i], '\0');
    }
    EXPECT_GE(shown.max_file_title, 260u);
    EXPECT_TRUE(shown.filter_terminated);
    EXPECT_EQ(shown.filter, "Bitmaps (*.bmp)\0*.bmp\0\0"s);
    EXPECT_EQ(shown.filter_index, 1u);
    EXPECT_EQ(shown.initial_dir, "C:\\pics");
    EXPECT_EQ(shown.def_ext, "bmp");
}

TEST_F(ShowFileDialogTest, EveryOtherModeIsTheSaveDialog) {
    shell.file_answers = {"C:\\out\\strip.bmp"s, "D:\\x.bmp"s};
    EXPECT_EQ(Show(2), L"C:\\out\\strip.bmp");
    EXPECT_EQ(Show(0), L"D:\\x.bmp");
    ASSERT_EQ(shell.file_dialogs.size(), 2u);
    for (const testing::FileDialogShown& shown : shell.file_dialogs) {
        EXPECT_FALSE(shown.open);
        EXPECT_EQ(shown.flags, 2054u);
    }
    EXPECT_EQ(last.dir, L"D:\\");
    EXPECT_EQ(last.file, L"x.bmp");
}

TEST_F(ShowFileDialogTest, CancelGivesTheEmptyStringAndKeepsTheLastPicture) {
    shell.file_answers = {std::nullopt};
    EXPECT_EQ(Show(1), L"");
    EXPECT_EQ(last.dir, L"C:\\before\\");
    EXPECT_EQ(last.file, L"before.bmp");
}

TEST_F(ShowFileDialogTest, TheNextDialogCanStartInTheFolderLastChosen) {
    shell.file_answers = {"C:\\art\\icons\\open.bmp"s, std::nullopt};
    Show(1);
    Show(1, L"", last.dir);
    ASSERT_EQ(shell.file_dialogs.size(), 2u);
    EXPECT_EQ(shell.file_dialogs[1].initial_dir, "C:\\art\\icons\\");
}

TEST_F(ShowFileDialogTest, EmptyTitleFolderAndExtensionGoAsNone) {
    shell.file_answers = {std::nullopt};
    ShowFileDialog(shell, kOwner, 1, L"", L"", L"", L"", L"", last);
    ASSERT_EQ(shell.file_dialogs.size(), 1u);
    const testing::FileDialogShown& shown = shell.file_dialogs.front();
    EXPECT_FALSE(shown.title);
    EXPECT_FALSE(shown.initial_dir);
    EXPECT_FALSE(shown.def_ext);
    EXPECT_EQ(shown.filter, "");
}

TEST_F(ShowFileDialogTest, AFilterWithoutItsClosingNulsIsClosed) {
    shell.file_answers = {std::nullopt};
    ShowFileDialog(shell, kOwner, 1, L"t", L"", L"Icons\0*.ico"s, L"", L"", last);
    ASSERT_EQ(shell.file_dialogs.size(), 1u);
    EXPECT_TRUE(shell.file_dialogs.front().filter_terminated);
    EXPECT_EQ(shell.file_dialogs.front().filter, "Icons\0*.ico\0\0"s);
}

TEST_F(ShowFileDialogTest, APathLongerThanTheBufferFailsTheDialogInsteadOfOverrunningIt) {
    const std::string deep = "C:\\" + std::string(400, 'd') + "\\a.bmp";
    shell.file_answers = {deep};
    EXPECT_EQ(Show(1), L"");
    EXPECT_EQ(last.file, L"before.bmp");
}

TEST_F(ShowFileDialogTest, ALongStartFileGetsABufferItFitsIn) {
    const std::wstring start(300, L's');
    shell.file_answers = {std::nullopt};
    Show(2, start);
    ASSERT_EQ(shell.file_dialogs.size(), 1u);
    EXPECT_EQ(shell.file_dialogs.front().start_file, std::string(300, 's'));
    EXPECT_EQ(shell.file_dialogs.front().max_file, 301u);
}

}  // namespace
}  // namespace tessel32::shell
