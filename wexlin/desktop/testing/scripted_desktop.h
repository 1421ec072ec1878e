#pragma once
// A desktop for tests: records every message instead of showing it, answers with scripted
// buttons, and tells a test what the window looked like at the moment a message appeared.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "desktop.h"

namespace wexlin::testing {

struct ShownMessage {
    HWND owner;
    std::wstring text;
    UINT style;
};

class ScriptedDesktop final : public Desktop {
public:
    int Message(HWND owner, const std::wstring& text, UINT style) override;
    SYSTEMTIME Now() override { return now; }

    // Answers for the next message boxes, in order; IDOK once they run out.
    std::deque<int> answers;
    // Called while a message is "on screen", before Message returns.
    std::function<void(const ShownMessage&)> on_message;
    std::vector<ShownMessage> messages;
    SYSTEMTIME now{2026, 12, 5, 11, 9, 30, 15, 0};
};

}  // namespace wexlin::testing
