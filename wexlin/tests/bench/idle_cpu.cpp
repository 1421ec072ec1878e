// Starts Wexlin.exe, lets it sit idle with its window shown, and prints how much of one core it
// used over the measured time (user + kernel time of its process).
//   idle_cpu.exe [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

unsigned long long CpuTime100ns(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    auto value = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? _wtoi(argv[1]) : 20;
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program(path);
    program = L"\"" + program.substr(0, program.find_last_of(L'\\') + 1) + L"Wexlin.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "could not start Wexlin.exe (error %lu)\n", GetLastError());
        return 1;
    }
    HWND main = nullptr;
    for (int i = 0; i < 600 && !(main && IsWindowVisible(main)); ++i) {
        Sleep(50);
        main = FindWindowW(L"WexlinForm1", nullptr);
    }
    if (!main) {
        std::fprintf(stderr, "the main window never appeared\n");
        TerminateProcess(info.hProcess, 1);
        return 1;
    }
    Sleep(2000);  // start-up work done
    const unsigned long long cpu_before = CpuTime100ns(info.hProcess);
    const ULONGLONG wall_before = GetTickCount64();
    Sleep(static_cast<DWORD>(seconds) * 1000u);
    const unsigned long long cpu_used = CpuTime100ns(info.hProcess) - cpu_before;
    const ULONGLONG wall_ms = GetTickCount64() - wall_before;
    std::printf("start-up: %.1f ms CPU\n", static_cast<double>(cpu_before) / 10000.0);
    std::printf("idle Wexlin: %.3f %% of one core (%.1f ms CPU over %.1f s)\n",
                100.0 * (static_cast<double>(cpu_used) / 10000.0) / static_cast<double>(wall_ms),
                static_cast<double>(cpu_used) / 10000.0, static_cast<double>(wall_ms) / 1000.0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}
