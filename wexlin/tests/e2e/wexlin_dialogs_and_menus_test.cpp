// The real program, driven from outside: the encoded pane saved through the real save dialog and
// password box and opened again through the real open dialog; a command chosen in the real menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"
#include "win32/unique_handle.h"

namespace wexlin::e2e {
namespace {

constexpr int kSaveEncoded = 2002;  // the "&Save" item of the "&Encoded" menu
constexpr int kOpenEncoded = 2001;  // its "&Open" item
constexpr int kFileNameBox = 0x47c; // the file dialog's name box (cmb13)

std::string FileBytes(const std::wstring& path) {
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return "<missing>";
    std::string bytes(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

// Types a name into a file dialog and presses its OK button (Save or Open).
bool ChooseInFileDialog(const wchar_t* title, const std::wstring& name) {
    HWND dialog = WaitForDialog(title);
    if (!dialog) return false;
    HWND box = GetDlgItem(dialog, kFileNameBox);
    if (!box) box = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    if (!box) return false;
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

// Answers the program's input box with a typed text and OK.
bool AnswerInputBox(const std::wstring& answer) {
    HWND box = WaitForDialog(L"Wexlin");
    if (!box) return false;
    HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
    if (!edit) return false;
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return WaitFor([&] { return !IsWindow(box); });
}

TEST(WexlinFilesEndToEnd, SavesAnEncodedFileAndOpensItAgain) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring chosen = std::wstring(temp) + L"wexlin e2e " + std::to_wstring(GetCurrentProcessId());
    const std::wstring written = chosen + L".wxl";
    DeleteFileW(written.c_str());

    RunningProgram program;
    ASSERT_TRUE(program.Started());
    HWND main = program.MainWindow();
    ASSERT_TRUE(main) << "the main window never appeared";
    HWND encoded = FindInFrame(main, L"Encoded Text:", L"Edit", nullptr);
    ASSERT_TRUE(encoded);

    const std::wstring text = L"-----BEGIN WEXLIN ENCODED TEXT-----\r\nQUJD\r\n-----END WEXLIN ENCODED TEXT-----";
    SendMessageW(encoded, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(kSaveEncoded, 0), 0);
    ASSERT_TRUE(ChooseInFileDialog(L"Save Encoded Text", chosen));
    ASSERT_TRUE(AnswerInputBox(L"pass"));
    ASSERT_TRUE(WaitFor([&] { return FileBytes(written) != "<missing>"; })) << "nothing was written";
    EXPECT_EQ(FileBytes(written), ">zk}}" + std::string(text.begin(), text.end()) + "\r\n");

    SendMessageW(encoded, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(kOpenEncoded, 0), 0);
    ASSERT_TRUE(ChooseInFileDialog(L"Open Encoded Text", written));
    ASSERT_TRUE(AnswerInputBox(L"pass"));
    EXPECT_TRUE(WaitFor([&] { return WindowText(encoded) == text; })) << "the file did not open again";

    EXPECT_EQ(program.CloseAndWait(), 0);
    DeleteFileW(written.c_str());
}

// Alt+D opens "&Decoded" in the real menu bar, C chooses its "&Clear".
TEST(WexlinMenuEndToEnd, AnItemChosenThroughTheRealMenuRunsItsCommand) {
    RunningProgram program;
    ASSERT_TRUE(program.Started());
    HWND main = program.MainWindow();
    ASSERT_TRUE(main);
    HWND decoded = FindInFrame(main, L"Decoded Text:", L"Edit", nullptr);
    ASSERT_TRUE(decoded);
    SendMessageW(decoded, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"to be cleared"));
    ASSERT_EQ(WindowText(decoded), L"to be cleared");

    PostMessageW(main, WM_SYSKEYDOWN, 'D', 1 | (1 << 29));
    PostMessageW(main, WM_SYSCHAR, 'd', 1 | (1 << 29));
    PostMessageW(main, WM_SYSKEYUP, 'D', 1 | (1u << 29) | (3u << 30));
    ASSERT_TRUE(WaitFor([] { return FindWindowW(L"#32768", nullptr) != nullptr; }, std::chrono::seconds(10)))
        << "the Decoded menu did not open";
    PostMessageW(main, WM_KEYDOWN, 'C', 1);
    PostMessageW(main, WM_CHAR, 'c', 1);
    EXPECT_TRUE(WaitFor([&] { return WindowText(decoded).empty(); }, std::chrono::seconds(10)))
        << "Clear did not run";
    EXPECT_EQ(program.CloseAndWait(), 0);
}

}  // namespace
}  // namespace wexlin::e2e
