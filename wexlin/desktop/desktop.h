#pragma once
// What the program's commands need from outside their own windows, behind one narrow interface,
// so that tests can script the answers and see what was shown.
#include <windows.h>

#include <optional>
#include <string>

namespace wexlin {

// Title of every message box and input box of the program.
inline constexpr wchar_t kMessageTitle[] = L"Wexlin";

// One showing of a file dialog: the dialog control's settings at that moment.
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::wstring title;
    // Pairs of description and pattern, each followed by '|': "Text File (*.txt)|*.txt|".
    std::wstring filter;
    // Appended by the dialog to a typed name without one, with or without its dot; empty for none.
    std::wstring default_extension;
    // OFN_ flags asked for by the caller (OFN_HIDEREADONLY = 4).
    DWORD flags = 0;
    // The name offered when the dialog opens.
    std::wstring file_name;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box titled "Wexlin". style holds the MessageBox buttons and icon
    // (MB_ICONSTOP 16, MB_ICONEXCLAMATION 48, MB_ICONINFORMATION 64). Returns the button pressed.
    virtual int Message(HWND owner, const std::wstring& text, UINT style) = 0;

    // A modal input box titled "Wexlin" with one line of input, OK and Cancel, pre-filled with
    // initial. Cancel gives the empty string, as an empty input does.
    virtual std::wstring InputBox(HWND owner, const std::wstring& prompt, const std::wstring& initial) = 0;

    // A modal open or save file dialog. The chosen full path, or nothing when it was cancelled.
    virtual std::optional<std::wstring> ChooseFile(HWND owner, const FileDialogRequest& request) = 0;

    // Opens an address ("mailto:...", "https://...") with the system's handler, without waiting.
    // ERROR_SUCCESS, or the reason it could not be opened.
    virtual DWORD OpenAddress(HWND owner, const std::wstring& address) = 0;

    // The local date and time.
    virtual SYSTEMTIME Now() = 0;
};

// The real desktop: Win32 dialogs, the shell and the system clock.
Desktop& SystemDesktop();

// The system's text for a Win32 error code, without its trailing line break.
std::wstring SystemErrorText(DWORD error);

}  // namespace wexlin
