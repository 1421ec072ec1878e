// The control's members RunFile, GetWinDir and GetWinSysDir.
#include "ansi.h"
#include "tessel32/shell/functions.h"
#include "tessel32/shell/rules.h"

namespace tessel32::shell {
namespace {

// A buffer of NULs, the directory written into it, spaces trimmed, cut at the first NUL. The
// buffer holds any path the system has; a longer one is asked for again at its size.
std::wstring Directory(UINT(WINAPI* get)(LPSTR, UINT)) {
    std::string buffer(kPathChars, '\0');
    const UINT needed = get(buffer.data(), static_cast<UINT>(buffer.size()));
    if (needed > buffer.size()) {
        buffer.assign(needed, '\0');
        if (get(buffer.data(), static_cast<UINT>(buffer.size())) >= buffer.size()) buffer.assign(1, '\0');
    }
    return FromAnsi(StripNul(TrimSpaces(std::string_view(buffer))));
}

}  // namespace

void RunFile(Shell& shell, HWND owner, const std::wstring& xFileName) {
    shell.Execute(owner, ToAnsi(RunFileVerb(xFileName)), ToAnsi(xFileName), "", "", SW_SHOWNORMAL);
}

std::wstring GetWinDir() { return Directory(GetWindowsDirectoryA); }

std::wstring GetWinSysDir() { return Directory(GetSystemDirectoryA); }

}  // namespace tessel32::shell
