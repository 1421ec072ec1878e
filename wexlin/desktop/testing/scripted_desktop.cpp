#include "testing/scripted_desktop.h"

namespace wexlin::testing {

int ScriptedDesktop::Message(HWND owner, const std::wstring& text, UINT style) {
    messages.push_back({owner, text, style});
    transcript.push_back(L"message: " + text);
    if (on_message) on_message(messages.back());
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::wstring ScriptedDesktop::InputBox(HWND owner, const std::wstring& prompt, const std::wstring& initial) {
    input_boxes.push_back({owner, prompt, initial});
    transcript.push_back(L"input: " + prompt);
    if (on_input_box) on_input_box(input_boxes.back());
    if (input_answers.empty()) return {};
    std::wstring answer = std::move(input_answers.front());
    input_answers.pop_front();
    return answer;
}

std::optional<std::wstring> ScriptedDesktop::ChooseFile(HWND, const FileDialogRequest& request) {
    file_dialogs.push_back(request);
    transcript.push_back(L"file: " + request.title);
    if (file_choices.empty()) return std::nullopt;
    std::optional<std::wstring> choice = std::move(file_choices.front());
    file_choices.pop_front();
    return choice;
}

DWORD ScriptedDesktop::OpenAddress(HWND, const std::wstring& address) {
    opened_addresses.push_back(address);
    transcript.push_back(L"open: " + address);
    return open_address_result;
}

DWORD ScriptedDesktop::EmptyClipboard(HWND) {
    transcript.push_back(L"clipboard: empty");
    if (clipboard_error != ERROR_SUCCESS) return clipboard_error;
    clipboard.reset();
    return ERROR_SUCCESS;
}

DWORD ScriptedDesktop::SetClipboardText(HWND, const std::wstring& text) {
    transcript.push_back(L"clipboard: set " + text);
    if (clipboard_error != ERROR_SUCCESS) return clipboard_error;
    clipboard = text;
    return ERROR_SUCCESS;
}

DWORD ScriptedDesktop::GetClipboardText(HWND, std::wstring& text) {
    text.clear();
    if (clipboard_error != ERROR_SUCCESS) return clipboard_error;
    if (clipboard) text = *clipboard;
    return ERROR_SUCCESS;
}

UINT ScriptedDesktop::PopupMenu(HWND, HMENU menu, POINT at) {
    popups.push_back({menu, at});
    transcript.push_back(L"popup");
    if (on_popup) on_popup(popups.back());
    if (popup_choices.empty()) return 0;
    const UINT choice = popup_choices.front();
    popup_choices.pop_front();
    return choice;
}

DWORD ScriptedDesktop::StartProgram(const std::wstring& program) {
    started_programs.push_back(program);
    transcript.push_back(L"start: " + program);
    return start_program_result;
}

Printer ScriptedDesktop::DefaultPrinter() {
    Printer printer;
    if (!make_printer_dc) {
        printer.error = printer_error;
        return printer;
    }
    printer.name = L"Scripted Printer";
    printer.dc.Reset(make_printer_dc());
    return printer;
}

}  // namespace wexlin::testing
