#pragma once
// Convert1, the converter window: turns a file of the previous format (the plain text with
// every character code raised by 9) into a current .wxl file with a new password.
#include <windows.h>

#include <functional>
#include <string>

#include "cipher_engine.h"
#include "common_dialog.h"
#include "desktop.h"
#include "win32/unique_handle.h"

namespace wexlin {

// Control ids of the converter window.
inline constexpr int kConvert1Label1 = 101;
inline constexpr int kConvert1Command1 = 102;
inline constexpr int kConvert1Command2 = 103;

class Convert1 {
public:
    struct Services {
        Desktop& desktop;
        // Makes one cipher engine instance for one conversion.
        std::function<CipherEngineInstance()> create_cipher_engine;
        // Brings the main window to the front (creating it when it is gone).
        std::function<void()> show_main_window;
    };

    // Opens the converter beside the main window, or brings the open one forward. The window
    // owns itself: it is discarded when it closes. Null if it cannot be made.
    static Convert1* Show(Services services);

    HWND Window() const { return hwnd_; }
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }

    // "Open + Convert": chooses the old file and converts it.
    void Command1_Click();
    // "Exit": the main window to the front, the converter closed.
    void Command2_Click();
    // The conversion of one old file; every outcome is shown to the user.
    void encodedopen(const std::wstring& FileName);

    Convert1(const Convert1&) = delete;
    Convert1& operator=(const Convert1&) = delete;

private:
    explicit Convert1(Services services);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void Form_Load();
    void CreateControls();
    bool Encode(const std::wstring& plain_text, std::wstring& encoded);

    Services services_;
    HWND hwnd_ = nullptr;
    files::CommonDialog dlg1_;
    win32::UniqueFont font_;
};

}  // namespace wexlin
