// Starts Wexlin.exe, types into the decoded pane, presses "< Encode <", reads the encoded pane,
// closes the window and sees the process end.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "win32/unique_handle.h"

namespace {

std::wstring BesideThisTest(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// Polls until found() is true or the time runs out.
bool WaitFor(const std::function<bool()>& found, std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (found()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return found();
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// A child of the frame with the given caption whose window class and text (or lack of it) match.
HWND FindInFrame(HWND top, const wchar_t* frame_caption, const wchar_t* cls, const wchar_t* caption) {
    HWND frame = FindWindowExW(top, nullptr, nullptr, frame_caption);
    return frame ? FindWindowExW(frame, nullptr, cls, caption) : nullptr;
}

TEST(WexlinEndToEnd, TypeEncodeReadAndClose) {
    std::wstring command = L"\"" + BesideThisTest(L"Wexlin.exe") + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &info))
        << GetLastError();
    win32::UniqueKernelHandle process(info.hProcess), thread(info.hThread);

    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        main = FindWindowW(nullptr, L"Wexlin 4.0.34");
        return main != nullptr && IsWindowVisible(main);
    })) << "no visible window titled \"Wexlin 4.0.34\"";

    HWND decoded = FindInFrame(main, L"Decoded Text:", L"Edit", nullptr);
    HWND encoded = FindInFrame(main, L"Encoded Text:", L"Edit", nullptr);
    HWND encode_button = FindInFrame(main, L"Decoded Text:", L"Button", L"< Encode <");
    ASSERT_TRUE(decoded && encoded && encode_button);

    const std::wstring typed = L"Meet at noon.";
    for (wchar_t c : typed) PostMessageW(decoded, WM_CHAR, c, 1);
    ASSERT_TRUE(WaitFor([&] { return WindowText(decoded) == typed; })) << "typed text did not arrive";

    SendMessageW(encode_button, BM_CLICK, 0, 0);
    std::wstring result;
    ASSERT_TRUE(WaitFor([&] {
        result = WindowText(encoded);
        return !result.empty();
    }));
    EXPECT_NE(result.find(L"WEXLIN"), std::wstring::npos) << "an encoded block names the product";
    EXPECT_EQ(result.find(typed), std::wstring::npos);
    for (wchar_t c : result) EXPECT_TRUE(c == L'\r' || c == L'\n' || (c >= 0x20 && c < 0x7F));

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.Get(), 20000), WAIT_OBJECT_0) << "the program did not end";
    DWORD exit_code = 1;
    GetExitCodeProcess(process.Get(), &exit_code);
    EXPECT_EQ(exit_code, 0u);
}

TEST(WexlinProgramFile, CarriesItsVersionAndManifest) {
    const std::wstring exe = BesideThisTest(L"Wexlin.exe");
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::wstring buffer(size, L'\0');
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, buffer.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(buffer.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 4);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 0);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), 34);

    win32::UniqueModule program(LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(program);
    HRSRC manifest = FindResourceW(program.Get(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(program.Get(), manifest)));
    const std::string xml(text, SizeofResource(program.Get(), manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(xml.find("PerMonitorV2"), std::string::npos);
}

}  // namespace
