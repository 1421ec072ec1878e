// Module FileColor: the colour dialog and the open and save file dialogs.
#include <array>
#include <vector>

#include "ansi.h"
#include "tessel32/shell/functions.h"
#include "tessel32/shell/rules.h"

namespace tessel32::shell {
namespace {

// The module this code is linked into (the control library), the dialogs' hInstance.
HINSTANCE LibraryInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LibraryInstance), &module);
    return module;
}

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::optional<COLORREF> ChooseSolidColor(Shell& shell, HWND owner) {
    std::array<COLORREF, 16> custom{};  // all black, made afresh each time
    CHOOSECOLORA dialog{};
    dialog.lStructSize = kChooseColorSize;
    dialog.hwndOwner = owner;
    dialog.hInstance = reinterpret_cast<HWND>(LibraryInstance());
    dialog.rgbResult = 0;
    dialog.lpCustColors = custom.data();
    dialog.Flags = CC_SOLIDCOLOR;
    if (!shell.ChooseColor(dialog)) return std::nullopt;
    return dialog.rgbResult;
}

std::wstring ShowFileDialog(Shell& shell, HWND owner, std::int16_t mode, const std::wstring& title,
                            const std::wstring& start_file, const std::wstring& filter, const std::wstring& initial_dir,
                            const std::wstring& def_ext, LastPicture& last) {
    const std::string title_a = StripNul(ToAnsi(title));
    const std::string filter_a = TerminateFilter(ToAnsi(filter));
    const std::string initial_dir_a = StripNul(ToAnsi(initial_dir));
    const std::string def_ext_a = StripNul(ToAnsi(def_ext));
    std::vector<char> file = FileNameBuffer(ToAnsi(start_file));
    std::vector<char> file_title(kPathChars, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.lpstrTitle = OrNull(title_a);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = file_title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(file_title.size());
    dialog.lpstrFilter = OrNull(filter_a);
    dialog.nFilterIndex = 1;
    dialog.lpstrInitialDir = OrNull(initial_dir_a);
    dialog.lpstrDefExt = OrNull(def_ext_a);
    dialog.Flags = mode == 1 ? kOpenDialogFlags : kSaveDialogFlags;

    const bool chosen = mode == 1 ? shell.GetOpenFileName(dialog) : shell.GetSaveFileName(dialog);
    if (!chosen) return std::wstring();
    const ChosenFile result = SplitChosenFile(std::string_view(file.data(), file.size()), dialog.nFileOffset);
    last.file = FromAnsi(result.file_name);
    last.dir = FromAnsi(result.folder);
    return FromAnsi(result.path);
}

}  // namespace tessel32::shell
