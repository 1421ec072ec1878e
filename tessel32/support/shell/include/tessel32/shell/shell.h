#pragma once
// The one seam between Tessel32's shell and dialog functions and the modal and outside world:
// starting a file with the shell, the colour dialog, the open and save file dialogs. Each call
// takes exactly what goes to the system routine, so that a test sees what would be launched or
// shown. The system implementation calls shell32 and comdlg32; tests script the answers
// (testing/scripted_shell.h, library tessel32_shell_scripted).
#include <windows.h>
#include <commdlg.h>

#include <string>

namespace tessel32::shell {

class Shell {
public:
    virtual ~Shell() = default;

    // ShellExecuteA. An empty verb, parameters or directory goes to the system as none (null),
    // which gives the file's default action, no parameters and the current directory.
    // Returns what ShellExecuteA returns (greater than 32 on success).
    virtual INT_PTR Execute(HWND owner, const std::string& verb, const std::string& file,
                            const std::string& parameters, const std::string& directory, int show) = 0;

    // ChooseColorA: true when the user chose a colour (in dialog.rgbResult).
    virtual bool ChooseColor(CHOOSECOLORA& dialog) = 0;

    // GetOpenFileNameA and GetSaveFileNameA: true when the user chose a file (in dialog.lpstrFile).
    virtual bool GetOpenFileName(OPENFILENAMEA& dialog) = 0;
    virtual bool GetSaveFileName(OPENFILENAMEA& dialog) = 0;
};

// The real shell and common dialogs.
Shell& SystemShell();

}  // namespace tessel32::shell
