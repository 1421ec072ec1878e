#pragma once
// The program's open top-level windows, in the order they opened. Exit closes them newest
// first; the program ends when the last one has closed, however it closed.
#include <windows.h>

#include <functional>
#include <vector>

namespace wexlin {

class ProgramWindows {
public:
    // Sees a keyboard message before the window's controls do (a window's key preview).
    // Returns true when it has handled the message.
    using KeyPreview = std::function<bool(const MSG&)>;

    void Opened(HWND window, KeyPreview key_preview = {});
    // Called from the window's WM_NCDESTROY; runs the last-closed action when none remain.
    void Closed(HWND window);
    std::vector<HWND> InOrder() const;
    bool IsOpen(HWND window) const;

    // What happens when the last window has closed (the program's entry point quits its loop).
    void OnLastClosed(std::function<void()> action) { on_last_closed_ = std::move(action); }

    // Exit: closes the windows from the most recently opened one down to the first. Stops at
    // the first window that declines to close; returns false then.
    bool CloseAll();

    // For the message loop: key preview and dialog keyboard navigation (Tab, Enter, Esc) for the
    // window the message is for. True when the message has been dealt with.
    bool PreTranslate(MSG& message) const;

private:
    struct Entry {
        HWND window;
        KeyPreview key_preview;
    };
    std::vector<Entry> entries_;
    std::function<void()> on_last_closed_;
};

// The one list of the process.
ProgramWindows& OpenWindows();

}  // namespace wexlin
