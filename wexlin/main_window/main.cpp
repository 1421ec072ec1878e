// Wexlin's entry point: OLE for the UI thread, the common controls, the main window, the loop.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "Form1.h"
#include "cipher_engine.h"
#include "desktop.h"
#include "program_windows.h"
#include "win32/ole_scope.h"

namespace wexlin {
namespace {

// Owns the main window for the whole run and makes it anew when another window needs it shown
// after it was closed.
class Program {
public:
    Program(std::wstring folder, std::wstring command_line)
        : folder_(std::move(folder)), command_line_(std::move(command_line)) {}

    // Shows the main window, creating it (and running its start-up) when it does not exist.
    bool ShowMainWindow(int show_command = SW_SHOWNORMAL) {
        if (!form_ || !form_->Window()) {
            form_.reset();
            const std::wstring folder = folder_;
            form_ = Form1::Create({SystemDesktop(), [folder] { return CreateCipherEngine(folder); }, command_line_,
                                   [this] { ShowMainWindow(); }});
            if (!form_) return false;
        }
        form_->Show(show_command);
        SetForegroundWindow(form_->Window());
        return true;
    }

private:
    std::wstring folder_;
    std::wstring command_line_;
    std::unique_ptr<Form1> form_;
};

}  // namespace
}  // namespace wexlin

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int show_command) {
    win32::OleScope ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    wexlin::OpenWindows().OnLastClosed([] { PostQuitMessage(0); });
    wexlin::Program program(wexlin::ProgramFolder(), command_line ? command_line : L"");
    if (!program.ShowMainWindow(show_command)) {
        wexlin::SystemDesktop().Message(nullptr, L"The main window could not be created.", MB_OK | MB_ICONSTOP);
        return 1;
    }

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (wexlin::OpenWindows().PreTranslate(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
