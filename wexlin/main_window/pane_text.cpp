#include "pane_text.h"

namespace wexlin {

std::wstring PaneText(HWND pane) {
    const int length = GetWindowTextLengthW(pane);
    std::wstring text(static_cast<size_t>(length), L'\0');
    if (length > 0) text.resize(static_cast<size_t>(GetWindowTextW(pane, text.data(), length + 1)));
    return text;
}

std::wstring SelectedText(HWND pane) {
    DWORD start = 0, end = 0;
    SendMessageW(pane, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (end <= start) return {};
    const std::wstring text = PaneText(pane);
    if (start >= text.size()) return {};
    return text.substr(start, std::min<size_t>(end, text.size()) - start);
}

void ReplaceSelection(HWND pane, std::wstring_view text) {
    const std::wstring terminated(text);
    SendMessageW(pane, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(terminated.c_str()));
}

bool ReplaceAllText(HWND pane, std::wstring_view text) {
    const std::wstring terminated(text);
    SendMessageW(pane, EM_SETSEL, 0, -1);
    SendMessageW(pane, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(terminated.c_str()));
    return static_cast<size_t>(GetWindowTextLengthW(pane)) == terminated.size();
}

}  // namespace wexlin
