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

    // Everything shown, in order: "message: TEXT", "input: PROMPT", "file: TITLE", "open: ADDRESS".
    std::vector<std::wstring> transcript;

    SYSTEMTIME now{2026, 12, 5, 11, 9, 30, 15, 0};
};

}  // namespace wexlin::testing
