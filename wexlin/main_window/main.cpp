// Wexlin's entry point: OLE for the UI thread, the common controls, the main window, the loop.
#include <windows.h>
#include <commctrl.h>

#include "Form1.h"
#include "cipher_engine.h"
#include "desktop.h"
#include "win32/ole_scope.h"
#include "win32/unique_handle.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
    win32::OleScope ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    const std::wstring folder = wexlin::ProgramFolder();
    auto form = wexlin::Form1::Create({
        wexlin::SystemDesktop(),
        [folder] { return wexlin::CreateCipherEngine(folder); },
        [] { PostQuitMessage(0); },
    });
    if (!form) {
        wexlin::SystemDesktop().Message(nullptr, L"The main window could not be created.", MB_OK | MB_ICONSTOP);
        return 1;
    }
    form->Show(show_command);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND window = form->Window();
        if (window && IsDialogMessageW(window, &message)) continue;  // Tab, Shift+Tab between controls
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
