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

}  // namespace wexlin::testing
