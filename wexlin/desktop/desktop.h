#pragma once
// What the program's commands need from outside their own windows, behind one narrow interface,
// so that tests can script the answers and see what was shown.
#include <windows.h>

#include <string>

namespace wexlin {

// Title of every message box and input box of the program.
inline constexpr wchar_t kMessageTitle[] = L"Wexlin";

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box titled "Wexlin". style holds the MessageBox buttons and icon
    // (MB_ICONSTOP 16, MB_ICONEXCLAMATION 48, MB_ICONINFORMATION 64). Returns the button pressed.
    virtual int Message(HWND owner, const std::wstring& text, UINT style) = 0;

    // The local date and time.
    virtual SYSTEMTIME Now() = 0;
};

// The real desktop: Win32 message boxes and the system clock.
Desktop& SystemDesktop();

}  // namespace wexlin
