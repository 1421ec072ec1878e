#pragma once
// Form1, the main window: the encoded pane (Text2 in Frame2) on the left, the decoded pane
// (Text1 in Frame1) on the right, the Encode and Decode buttons under them, the status bar.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "cipher_engine.h"
#include "common_dialog.h"
#include "desktop.h"
#include "file_operations.h"
#include "win32/unique_handle.h"

namespace wexlin {

inline constexpr wchar_t kStatusIdle[] = L"Idle";
inline constexpr wchar_t kStatusEncoding[] = L"!!!!! Encoding !!!!!!";
inline constexpr wchar_t kStatusDecoding[] = L"!!!!! Decoding !!!!!!";
inline constexpr wchar_t kTextTooLong[] = L"Text Is Too Long!";
inline constexpr wchar_t kEncryptionCorrupt[] = L"The Encryption Is Corrupt!";

// "Wexlin 4.0.34": the program's name and its version numbers.
std::wstring Form1Title();

class Form1 {
public:
    struct Services {
        Desktop& desktop;
        // Makes one cipher engine instance for one command run.
        std::function<CipherEngineInstance()> create_cipher_engine;
        // The program's command line after its own name: empty, or one file to open at start-up.
        std::wstring command_line;
        // Shows the program's main window, made anew if it was closed (for the windows it opens).
        std::function<void()> show_main_window;
    };

    // Creates the window (not yet visible) and runs its start-up. Null if the window cannot be made.
    static std::unique_ptr<Form1> Create(Services services);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND Window() const { return hwnd_; }
    // A child control by its id (IDC_...), or null.
    HWND Control(int id) const;
    void Show(int show_command);

    // Encode: the decoded pane's text, encoded, into the encoded pane ("< Encode <").
    void Command1_Click();
    // Decode: the encoded pane's text, decoded, into the decoded pane ("> Decode >").
    void Command2_Click();

    // The file operations: each takes a full file name and hands a failure back to its caller.
    files::FileResult encodedsave(const std::wstring& FileName);
    files::FileResult encodedopen(const std::wstring& FileName);
    files::FileResult decodedsave(const std::wstring& FileName);
    files::FileResult decodedopen(const std::wstring& FileName);

    // Open and Save of the encoded pane (.wxl files) and of the decoded pane (text files).
    void Open1_Click();
    void Save1_Click();
    void Open2_Click();
    void Save2_Click();

    // Runs the command of a menu item, popup item or toolbar button by its id (IDM_...). False
    // for an id that names no command.
    bool RunCommand(UINT id);

    // Cut, Copy, Paste and Clear of the encoded pane (1) and of the decoded pane (2).
    void cut1_Click();
    void copy1_Click();
    void paste1_Click();
    void Clear1_Click();
    void cut2_Click();
    void copy2_Click();
    void paste2_Click();
    void Clear2_Click();

    // The Insert menu: its refresh, and the nine inserts into the decoded pane.
    void RefreshInsertMenu();
    void date1_Click();
    void Time1_Click();
    void name1_Click();
    void email1_Click();
    void web1_Click();
    void other1_Click();
    void extra1_Click();
    void extra2_Click();
    void extra3_Click();

    // Exit: closes the program's windows, newest first.
    void Shutdown();
    // "&Old Wexlin Converter...": the converter window beside this one.
    void oldwxlcfg_Click();

    // The resize rule, run whenever the window's size changes.
    void Form_Resize();

    // A file dropped on the decoded pane (Text1) or on the encoded pane (Text2).
    void Text1_OLEDragDrop(const std::wstring& file);
    void Text2_OLEDragDrop(const std::wstring& file);

private:
    enum class CipherDirection { Encode, Decode };

    explicit Form1(Services services);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

    void Form_Load();
    void CreateControls();
    void AddTooltip(HWND control, const wchar_t* text);
    void ApplyDpi(int dpi);
    void PlaceDesignGeometry();
    void PlaceStatusBar();
    void SetStatusPanel(const wchar_t* text);
    void UpdateClockPanels();
    void ScheduleClockTick();
    void RunCipher(CipherDirection direction);
    HMENU Menu(int position) const;
    void PopupPaneMenu(HWND clicked, LPARAM screen_point);
    void SetStartupInsertCaptions();
    void UpdateTimeCaption();
    void UpdateCipherButtons();
    void Copy(HWND pane);
    void Cut(HWND pane);
    void Paste(HWND pane);
    void Clear(HWND pane);
    void Insert(const std::wstring& text);
    void InsertSetting(const wchar_t* key);
    void ReportClipboardFailure(DWORD error);
    void OpenCommandLineFile();
    void SetUpFileDialogs();
    // Shows what went wrong with a file, if anything did.
    void Report(const files::FileResult& result);

    Services services_;
    HWND hwnd_ = nullptr;
    HWND frame1_ = nullptr, frame2_ = nullptr;
    HWND text1_ = nullptr, text2_ = nullptr;
    HWND command1_ = nullptr, command2_ = nullptr;
    HWND picture1_ = nullptr, picture2_ = nullptr;
    HWND status_bar_ = nullptr;
    files::CommonDialog common_dialog1_;  // .wxl files of the encoded pane
    files::CommonDialog common_dialog2_;  // text files of the decoded pane
    HWND tooltips_ = nullptr;  // owned by the window: destroyed with it
    HWND focus_ = nullptr;     // the control that had the focus when the window was deactivated
    int dpi_ = 96;
    win32::UniqueFont font_;
    win32::UniqueIcon picture1_icon_, picture2_icon_;
};

}  // namespace wexlin
