#pragma once
// What the program's commands need from outside their own windows, behind one narrow interface,
// so that tests can script the answers and see what was shown.
#include <windows.h>

#include <optional>
#include <string>

#include "win32/unique_handle.h"

namespace wexlin {

// Title of every message box and input box of the program.
inline constexpr wchar_t kMessageTitle[] = L"Wexlin";

// The default printer, ready for a document: its device context, or the reason there is none.
struct Printer {
    win32::UniqueDc dc;
    std::wstring name;
    DWORD error = ERROR_SUCCESS;
};

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

    // The system clipboard, plain Unicode text only. Each call opens and closes the clipboard
    // and gives ERROR_SUCCESS or the reason it could not be used.
    virtual DWORD EmptyClipboard(HWND owner) = 0;
    // Replaces what the clipboard holds with text.
    virtual DWORD SetClipboardText(HWND owner, const std::wstring& text) = 0;
    // The clipboard's text; the empty string when it holds none.
    virtual DWORD GetClipboardText(HWND owner, std::wstring& text) = 0;

    // Pops up a menu at a point on the screen and waits for the choice: the chosen item's
    // command id, or 0 when the menu was dismissed. The owner gets WM_INITMENUPOPUP as usual.
    virtual UINT PopupMenu(HWND owner, HMENU menu, POINT screen_point) = 0;

    // Starts a program without waiting for it, in a normal window that gets the focus.
    // program is the path of the program file; ERROR_SUCCESS or the reason it did not start.
    virtual DWORD StartProgram(const std::wstring& program) = 0;

    // The default printer, with a device context for printing on it.
    virtual Printer DefaultPrinter() = 0;

    // The local date and time.
    virtual SYSTEMTIME Now() = 0;
};

// The real desktop: Win32 dialogs, the shell and the system clock.
Desktop& SystemDesktop();

// The system's text for a Win32 error code, without its trailing line break.
std::wstring SystemErrorText(DWORD error);

}  // namespace wexlin
