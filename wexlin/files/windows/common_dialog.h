#pragma once
// A file dialog control of a window: its settings, made once, and the name last chosen in it,
// which it offers again the next time it is shown.
#include <windows.h>

#include <optional>
#include <string>

#include "desktop.h"

namespace wexlin::files {

class CommonDialog {
public:
    // Cancel is always reported as a cancellation (an empty optional), never as an empty name.
    void Setup(std::wstring filter, std::wstring default_extension, DWORD flags) {
        filter_ = std::move(filter);
        default_extension_ = std::move(default_extension);
        flags_ = flags;
    }

    std::wstring DialogTitle;
    std::wstring FileName;

    std::optional<std::wstring> ShowOpen(Desktop& desktop, HWND owner) {
        return Show(desktop, owner, FileDialogRequest::Kind::Open);
    }
    std::optional<std::wstring> ShowSave(Desktop& desktop, HWND owner) {
        return Show(desktop, owner, FileDialogRequest::Kind::Save);
    }

private:
    std::optional<std::wstring> Show(Desktop& desktop, HWND owner, FileDialogRequest::Kind kind) {
        std::optional<std::wstring> chosen =
            desktop.ChooseFile(owner, {kind, DialogTitle, filter_, default_extension_, flags_, FileName});
        if (chosen) FileName = *chosen;
        return chosen;
    }

    std::wstring filter_;
    std::wstring default_extension_;
    DWORD flags_ = 0;
};

}  // namespace wexlin::files
