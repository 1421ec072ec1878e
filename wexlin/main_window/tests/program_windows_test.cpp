// Exit's walk over the program's windows, on real windows that agree or decline to close.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_windows.h"

namespace wexlin {
namespace {

std::vector<std::wstring> g_close_requests;  // the windows asked to close, in order

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CLOSE: {
        wchar_t title[32];
        GetWindowTextW(hwnd, title, 32);
        g_close_requests.push_back(title);
        if (GetWindowLongPtrW(hwnd, GWLP_USERDATA) == 1) return 0;  // declines
        DestroyWindow(hwnd);
        return 0;
    }
    case WM_NCDESTROY: OpenWindows().Closed(hwnd); break;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ProgramWindowsTest";
        RegisterClassW(&wc);
        g_close_requests.clear();
        OpenWindows().OnLastClosed([this] { ++last_closed_; });
    }
    void TearDown() override {
        for (HWND w : OpenWindows().InOrder()) {
            SetWindowLongPtrW(w, GWLP_USERDATA, 0);
            DestroyWindow(w);
        }
        OpenWindows().OnLastClosed({});
    }
    HWND Open(const wchar_t* title, bool declines = false) {
        HWND w = CreateWindowW(L"ProgramWindowsTest", title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(w, GWLP_USERDATA, declines ? 1 : 0);
        OpenWindows().Opened(w);
        return w;
    }
    int last_closed_ = 0;
};

TEST_F(ProgramWindowsTest, ExitClosesNewestFirstAndEndsWhenAllHaveClosed) {
    Open(L"Form1");
    Open(L"About");
    Open(L"Convert1");
    EXPECT_TRUE(OpenWindows().CloseAll());
    EXPECT_EQ(g_close_requests, (std::vector<std::wstring>{L"Convert1", L"About", L"Form1"}));
    EXPECT_TRUE(OpenWindows().InOrder().empty());
    EXPECT_EQ(last_closed_, 1);
}

TEST_F(ProgramWindowsTest, AWindowThatDeclinesStopsExitAndKeepsTheRestOpen) {
    HWND form = Open(L"Form1");
    HWND options = Open(L"Op", /*declines=*/true);
    Open(L"About");
    EXPECT_FALSE(OpenWindows().CloseAll());
    EXPECT_EQ(g_close_requests, (std::vector<std::wstring>{L"About", L"Op"}));
    EXPECT_EQ(OpenWindows().InOrder(), (std::vector<HWND>{form, options}));
    EXPECT_EQ(last_closed_, 0);
}

TEST_F(ProgramWindowsTest, AWindowAlreadyGoneIsSkipped) {
    Open(L"Form1");
    HWND gone = Open(L"About");
    SetWindowLongPtrW(gone, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));  // will not report its end
    DestroyWindow(gone);
    EXPECT_TRUE(OpenWindows().CloseAll());
    EXPECT_EQ(g_close_requests, (std::vector<std::wstring>{L"Form1"}));
    EXPECT_EQ(last_closed_, 1);
}

TEST_F(ProgramWindowsTest, ClosingTheMainWindowAloneLeavesTheOthersRunning) {
    HWND form = Open(L"Form1");
    HWND about = Open(L"About");
    SendMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(OpenWindows().InOrder(), (std::vector<HWND>{about}));
    EXPECT_EQ(last_closed_, 0);
    SendMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_EQ(last_closed_, 1);
}

}  // namespace
}  // namespace wexlin
