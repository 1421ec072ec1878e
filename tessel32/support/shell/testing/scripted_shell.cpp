#include "scripted_shell.h"

#include <algorithm>
#include <cstring>

namespace tessel32::shell::testing {
namespace {

std::optional<std::string> Text(const char* text) {
    if (!text) return std::nullopt;
    return std::string(text);
}

}  // namespace

INT_PTR ScriptedShell::Execute(HWND owner, const std::string& verb, const std::string& file,
                               const std::string& parameters, const std::string& directory, int show) {
    launches.push_back({owner, verb, file, parameters, directory, show});
    return execute_result;
}

bool ScriptedShell::ChooseColor(CHOOSECOLORA& dialog) {
    ColorDialogShown shown{dialog.lStructSize, dialog.hwndOwner, dialog.hInstance, dialog.rgbResult, dialog.Flags, {}};
    if (dialog.lpCustColors) shown.custom_colors.assign(dialog.lpCustColors, dialog.lpCustColors + 16);
    color_dialogs.push_back(std::move(shown));
    std::optional<COLORREF> answer;
    if (!color_answers.empty()) {
        answer = color_answers.front();
        color_answers.pop_front();
    }
    if (!answer) return false;
    dialog.rgbResult = *answer;
    return true;
}

bool ScriptedShell::GetOpenFileName(OPENFILENAMEA& dialog) { return FileDialog(dialog, true); }
bool ScriptedShell::GetSaveFileName(OPENFILENAMEA& dialog) { return FileDialog(dialog, false); }

bool ScriptedShell::FileDialog(OPENFILENAMEA& dialog, bool open) {
    FileDialogShown shown{};
    shown.open = open;
    shown.struct_size = dialog.lStructSize;
    shown.owner = dialog.hwndOwner;
    shown.title = Text(dialog.lpstrTitle);
    shown.initial_dir = Text(dialog.lpstrInitialDir);
    shown.def_ext = Text(dialog.lpstrDefExt);
    shown.max_file = dialog.nMaxFile;
    shown.max_file_title = dialog.nMaxFileTitle;
    shown.filter_index = dialog.nFilterIndex;
    shown.flags = dialog.Flags;
    if (dialog.lpstrFile) {
        shown.file_buffer.assign(dialog.lpstrFile, dialog.lpstrFile + dialog.nMaxFile);
        shown.start_file.assign(shown.file_buffer.data(), strnlen(shown.file_buffer.data(), dialog.nMaxFile));
    }
    if (dialog.lpstrFilter) {
        for (std::size_t i = 1; i < 65536; ++i) {
            if (dialog.lpstrFilter[i - 1] == '\0' && dialog.lpstrFilter[i] == '\0') {
                shown.filter.assign(dialog.lpstrFilter, i + 1);
                shown.filter_terminated = true;
                break;
            }
        }
    }
    file_dialogs.push_back(std::move(shown));

    std::optional<std::string> answer;
    if (!file_answers.empty()) {
        answer = file_answers.front();
        file_answers.pop_front();
    }
    if (!answer || !dialog.lpstrFile) return false;
    if (answer->size() + 1 > dialog.nMaxFile) return false;  // FNERR_BUFFERTOOSMALL
    std::memcpy(dialog.lpstrFile, answer->c_str(), answer->size() + 1);
    const std::size_t slash = answer->find_last_of('\\');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    dialog.nFileOffset = static_cast<WORD>(name);
    const std::size_t dot = answer->find_last_of('.');
    dialog.nFileExtension = static_cast<WORD>(dot == std::string::npos || dot < name ? 0 : dot + 1);
    if (dialog.lpstrFileTitle && answer->size() - name + 1 <= dialog.nMaxFileTitle) {
        std::memcpy(dialog.lpstrFileTitle, answer->c_str() + name, answer->size() - name + 1);
    }
    return true;
}

}  // namespace tessel32::shell::testing
