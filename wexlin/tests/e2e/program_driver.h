#pragma once
// Driving the real Wexlin.exe from another process, as a user would: start it, find its windows
// and dialogs, type, press buttons, wait for what should follow.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

#include "win32/unique_handle.h"

namespace wexlin::e2e {

// A file next to the running test (the build puts Wexlin.exe there).
std::wstring BesideThisTest(const wchar_t* name);

// Polls until found() is true or the time runs out.
bool WaitFor(const std::function<bool()>& found, std::chrono::milliseconds limit = std::chrono::seconds(30));

std::wstring WindowText(HWND hwnd);

// A child of the frame with the given caption whose window class and text (or lack of it) match.
HWND FindInFrame(HWND top, const wchar_t* frame_caption, const wchar_t* cls, const wchar_t* caption);

// A visible dialog (class #32770) with this title, waited for.
HWND WaitForDialog(const wchar_t* title);

// Wexlin.exe, started with a command line; killed at the end if it is still running.
class RunningProgram {
public:
    explicit RunningProgram(const std::wstring& arguments = L"");
    ~RunningProgram();
    bool Started() const { return static_cast<bool>(process_); }
    HANDLE Process() const { return process_.Get(); }
    // The visible main window, waited for; null when it never appeared.
    HWND MainWindow();
    // Closes the main window and waits for the program to end; its exit code, or -1.
    long CloseAndWait();

private:
    win32::UniqueKernelHandle process_, thread_;
    HWND main_ = nullptr;
};

}  // namespace wexlin::e2e
