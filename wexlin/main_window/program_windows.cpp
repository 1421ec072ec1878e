#include "program_windows.h"

#include <algorithm>

namespace wexlin {

void ProgramWindows::Opened(HWND window, KeyPreview key_preview) {
    if (!window || IsOpen(window)) return;
    entries_.push_back({window, std::move(key_preview)});
}

void ProgramWindows::Closed(HWND window) {
    const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window; });
    if (entry == entries_.end()) return;
    entries_.erase(entry);
    if (entries_.empty() && on_last_closed_) on_last_closed_();
}

std::vector<HWND> ProgramWindows::InOrder() const {
    std::vector<HWND> windows;
    for (const Entry& e : entries_) windows.push_back(e.window);
    return windows;
}

bool ProgramWindows::IsOpen(HWND window) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window; });
}

bool ProgramWindows::CloseAll() {
    // A copy: closing a window takes it out of the list.
    const std::vector<HWND> windows = InOrder();
    for (size_t position = windows.size(); position-- > 0;) {
        HWND window = windows[position];
        if (!IsWindow(window)) {  // gone without telling: nothing to close, go on
            Closed(window);
            continue;
        }
        SendMessageW(window, WM_CLOSE, 0, 0);
        // More windows left than those before this one: it declined to close.
        if (entries_.size() > position) return false;
    }
    return true;
}

bool ProgramWindows::PreTranslate(MSG& message) const {
    if (!message.hwnd) return false;
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == top; });
    if (entry == entries_.end()) return false;
    if (entry->key_preview && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST &&
        entry->key_preview(message))
        return true;
    return IsDialogMessageW(top, &message) != FALSE;
}

ProgramWindows& OpenWindows() {
    static ProgramWindows windows;
    return windows;
}

}  // namespace wexlin
