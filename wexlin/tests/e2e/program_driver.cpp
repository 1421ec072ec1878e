#include "program_driver.h"

#include <thread>

namespace wexlin::e2e {

std::wstring BesideThisTest(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

bool WaitFor(const std::function<bool()>& found, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (found()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return found();
}

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

HWND FindInFrame(HWND top, const wchar_t* frame_caption, const wchar_t* cls, const wchar_t* caption) {
    HWND frame = FindWindowExW(top, nullptr, nullptr, frame_caption);
    return frame ? FindWindowExW(frame, nullptr, cls, caption) : nullptr;
}

HWND WaitForDialog(const wchar_t* title) {
    HWND dialog = nullptr;
    WaitFor([&] {
        dialog = FindWindowW(L"#32770", title);
        return dialog && IsWindowVisible(dialog);
    });
    return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

RunningProgram::RunningProgram(const std::wstring& arguments) {
    std::wstring command = L"\"" + BesideThisTest(L"Wexlin.exe") + L"\"";
    if (!arguments.empty()) command += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        process_.Reset(info.hProcess);
        thread_.Reset(info.hThread);
    }
}

RunningProgram::~RunningProgram() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

HWND RunningProgram::MainWindow() {
    if (main_ && IsWindow(main_)) return main_;
    WaitFor([&] {
        main_ = FindWindowW(L"WexlinForm1", nullptr);
        return main_ && IsWindowVisible(main_);
    });
    return main_ && IsWindowVisible(main_) ? main_ : nullptr;
}

long RunningProgram::CloseAndWait() {
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.Get(), 20000) != WAIT_OBJECT_0) return -1;
    DWORD exit_code = 1;
    GetExitCodeProcess(process_.Get(), &exit_code);
    return static_cast<long>(exit_code);
}

}  // namespace wexlin::e2e
