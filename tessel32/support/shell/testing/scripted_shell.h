#pragma once
// A shell for tests: records every launch and dialog with what the system routine would have been
// given, and answers the dialogs from a script instead of showing them. Its file dialogs behave as
// the real ones do with their buffer: a path that does not fit nMaxFile fails the dialog.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tessel32/shell/shell.h"

namespace tessel32::shell::testing {

struct Launch {
    HWND owner;
    std::string verb, file, parameters, directory;
    int show;
};

struct ColorDialogShown {
    DWORD struct_size;
    HWND owner;
    HWND instance;
    COLORREF initial;
    DWORD flags;
    std::vector<COLORREF> custom_colors;  // the 16 custom colours as handed over
};

struct FileDialogShown {
    bool open;  // GetOpenFileNameA, else GetSaveFileNameA
    DWORD struct_size;
    HWND owner;
    std::optional<std::string> title, initial_dir, def_ext;  // none for a null pointer
    std::string start_file;                                   // the buffer up to its first NUL
    std::string filter;       // the filter through its closing double NUL; empty for none
    bool filter_terminated;   // the filter ends in a double NUL within its first 64 KiB
    DWORD max_file, max_file_title, filter_index, flags;
    std::vector<char> file_buffer;  // the whole buffer of nMaxFile characters as handed over
};

class ScriptedShell final : public Shell {
public:
    INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                    const std::string& directory, int show) override;
    bool ChooseColor(CHOOSECOLORA& dialog) override;
    bool GetOpenFileName(OPENFILENAMEA& dialog) override;
    bool GetSaveFileName(OPENFILENAMEA& dialog) override;

    // What the next colour dialogs answer, in order: a colour, or none for Cancel. Cancel once
    // the script runs out.
    std::deque<std::optional<COLORREF>> color_answers;
    // What the next file dialogs answer, in order: a full path, or none for Cancel.
    std::deque<std::optional<std::string>> file_answers;
    // What Execute returns.
    INT_PTR execute_result = 42;

    std::vector<Launch> launches;
    std::vector<ColorDialogShown> color_dialogs;
    std::vector<FileDialogShown> file_dialogs;

private:
    bool FileDialog(OPENFILENAMEA& dialog, bool open);
};

}  // namespace tessel32::shell::testing
