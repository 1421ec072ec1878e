#pragma once
// A desktop for tests: records every message, input box, file dialog and address instead of
// showing or opening it, answers with scripted replies, and tells a test what the window looked
// like at the moment a message appeared.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop.h"

namespace wexlin::testing {

struct ShownMessage {
    HWND owner;
    std::wstring text;
    UINT style;
};

struct ShownInputBox {
    HWND owner;
    std::wstring prompt;
    std::wstring initial;
};

class ScriptedDesktop final : public Desktop {
public:
    int Message(HWND owner, const std::wstring& text, UINT style) override;
    std::wstring InputBox(HWND owner, const std::wstring& prompt, const std::wstring& initial) override;
    std::optional<std::wstring> ChooseFile(HWND owner, const FileDialogRequest& request) override;
    DWORD OpenAddress(HWND owner, const std::wstring& address) override;
    DWORD EmptyClipboard(HWND owner) override;
    DWORD SetClipboardText(HWND owner, const std::wstring& text) override;
    DWORD GetClipboardText(HWND owner, std::wstring& text) override;
    UINT PopupMenu(HWND owner, HMENU menu, POINT screen_point) override;
    DWORD StartProgram(const std::wstring& program) override;
    Printer DefaultPrinter() override;
    SYSTEMTIME Now() override { return now; }

    // Answers for the next message boxes, in order; IDOK once they run out.
    std::deque<int> answers;
    // Called while a message is "on screen", before Message returns.
    std::function<void(const ShownMessage&)> on_message;
    std::vector<ShownMessage> messages;

    // Typed answers for the next input boxes, in order; Cancel (the empty string) once they run out.
    std::deque<std::wstring> input_answers;
    std::vector<ShownInputBox> input_boxes;
    // Called while an input box is "on screen", before InputBox returns.
    std::function<void(const ShownInputBox&)> on_input_box;

    // Choices for the next file dialogs, in order (nothing = Cancel); Cancel once they run out.
    std::deque<std::optional<std::wstring>> file_choices;
    std::vector<FileDialogRequest> file_dialogs;

    // What OpenAddress reports, and the addresses it was asked to open.
    DWORD open_address_result = ERROR_SUCCESS;
    std::vector<std::wstring> opened_addresses;

    // The clipboard: its text, or nothing when it holds no text; clipboard_error fails every use.
    std::optional<std::wstring> clipboard;
    DWORD clipboard_error = ERROR_SUCCESS;

    // Popup menus shown (the menu, where), and the command ids to choose, in order (0 = dismissed).
    struct ShownPopup {
        HMENU menu;
        POINT at;
    };
    std::vector<ShownPopup> popups;
    std::deque<UINT> popup_choices;
    // Called while a popup is "on screen", before PopupMenu returns.
    std::function<void(const ShownPopup&)> on_popup;

    // Programs asked to start, and what StartProgram reports.
    std::vector<std::wstring> started_programs;
    DWORD start_program_result = ERROR_SUCCESS;

    // The printer: a function that makes its device context (for a metafile or memory DC), or
    // nothing for "no printer", reported with printer_error.
    std::function<HDC()> make_printer_dc;
    DWORD printer_error = ERROR_NOT_FOUND;

    // Everything shown, in order: "message: TEXT", "input: PROMPT", "file: TITLE", "open: ADDRESS",
    // "popup", "start: PROGRAM", "clipboard: empty", "clipboard: set TEXT".
    std::vector<std::wstring> transcript;

    SYSTEMTIME now{2026, 12, 5, 11, 9, 30, 15, 0};
};

}  // namespace wexlin::testing
