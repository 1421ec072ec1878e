#include "testing/scripted_desktop.h"

namespace wexlin::testing {

int ScriptedDesktop::Message(HWND owner, const std::wstring& text, UINT style) {
    messages.push_back({owner, text, style});
    if (on_message) on_message(messages.back());
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace wexlin::testing
