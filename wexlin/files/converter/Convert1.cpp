#include "Convert1.h"

#include <commctrl.h>
#include <commdlg.h>

#include <new>

#include "file_io.h"
#include "file_operations.h"
#include "password_prompts.h"
#include "program_windows.h"
#include "text_units.h"
#include "wexlin/files/encodedsave.h"
#include "wexlin/files/file_names.h"
#include "wexlin/files/old_format.h"
#include "win32/bstr.h"

namespace wexlin {
namespace {

constexpr wchar_t kConvert1Class[] = L"WexlinConvert1";
constexpr wchar_t kLabel1Text[] =
    L"This program was made to allow you to conver your old Wexlin Files to the new format. Click the Button "
    L"then Open your old Wexlin File, It will convert it and then ask you where to save it.";
constexpr wchar_t kConverted[] = L"Now Go Back to the Wexlin and Open Your New File";
constexpr wchar_t kOnlyWexlinFiles[] = L"Can't Open any Other Encoded Files than Wexlin Files";
constexpr wchar_t kBodyCodeBelow9[] = L"Its text holds a character that no file of the old format holds.";

// Design geometry in twips: client area, then left, top, width, height of each control.
constexpr int kClientWidth = 4800, kClientHeight = 2040;
struct Place {
    int id, left, top, width, height;
};
constexpr Place kPlaces[] = {
    {kConvert1Label1, 120, 120, 4560, 1095},
    {kConvert1Command1, 120, 1320, 2175, 495},
    {kConvert1Command2, 2505, 1320, 2175, 495},
};

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

// The converter open in this program, if any.
Convert1* OpenConverter() {
    for (HWND window : OpenWindows().InOrder()) {
        wchar_t cls[64];
        if (GetClassNameW(window, cls, 64) && lstrcmpW(cls, kConvert1Class) == 0)
            return reinterpret_cast<Convert1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    return nullptr;
}

std::wstring EngineFailure(HRESULT error) {
    wchar_t code[16];
    wsprintfW(code, L"0x%08X", static_cast<unsigned>(error));
    return std::wstring(L"The cipher engine could not be used (error ") + code + L"). Nothing was converted.";
}

}  // namespace

Convert1::Convert1(Services services) : services_(std::move(services)) {}

Convert1* Convert1::Show(Services services) {
    if (Convert1* open = OpenConverter()) {
        ShowWindow(open->hwnd_, SW_RESTORE);
        SetForegroundWindow(open->hwnd_);
        return open;
    }
    WNDCLASSEXW wc{};
    if (!GetClassInfoExW(ProgramInstance(), kConvert1Class, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = ProgramInstance();
        wc.hIcon = LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(1));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kConvert1Class;
        RegisterClassExW(&wc);
    }
    auto* form = new Convert1(std::move(services));
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kConvert1Class, L"Converter", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, ProgramInstance(), form);
    if (!hwnd) {
        delete form;
        return nullptr;
    }
    form->Form_Load();
    ShowWindow(hwnd, SW_SHOWNORMAL);
    return form;
}

LRESULT CALLBACK Convert1::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* form = reinterpret_cast<Convert1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        form = static_cast<Convert1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (!form) return DefWindowProcW(hwnd, message, wparam, lparam);
    const LRESULT result = form->HandleMessage(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        OpenWindows().Closed(hwnd);
        delete form;
    }
    return result;
}

LRESULT Convert1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE: {
        OpenWindows().Opened(hwnd_);
        CreateControls();
        return 0;
    }
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) {
            if (LOWORD(wparam) == kConvert1Command1) Command1_Click();
            if (LOWORD(wparam) == kConvert1Command2) Command2_Click();
            return 0;
        }
        break;
    default: break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Convert1::CreateControls() {
    const int dpi = static_cast<int>(GetDpiForWindow(hwnd_));
    LOGFONTW font{};
    font.lfHeight = -MulDiv(825, dpi, 7200);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    font_.Reset(CreateFontIndirectW(&font));

    auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
        HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        return control;
    };
    child(WC_STATICW, kLabel1Text, SS_LEFT | SS_NOPREFIX, kConvert1Label1);
    child(WC_BUTTONW, L"Open + Convert", WS_TABSTOP | BS_DEFPUSHBUTTON, kConvert1Command1);
    child(WC_BUTTONW, L"Exit", WS_TABSTOP | BS_PUSHBUTTON, kConvert1Command2);
    for (const Place& p : kPlaces)
        SetWindowPos(Control(p.id), nullptr, Pixels(p.left, dpi), Pixels(p.top, dpi), Pixels(p.width, dpi),
                     Pixels(p.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);

    RECT frame{0, 0, Pixels(kClientWidth, dpi), Pixels(kClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                             WS_EX_CONTROLPARENT, static_cast<UINT>(dpi));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Convert1::Form_Load() { dlg1_.Setup(L"Wexlin Files (*.wxl)|*.wxl", L"", OFN_HIDEREADONLY); }

// A name ending in "WXL" or any other case converts too; another name is refused in a message.
void Convert1::Command1_Click() {
    dlg1_.DialogTitle = L"Open Old Wexlin File";
    const std::optional<std::wstring> name = dlg1_.ShowOpen(services_.desktop, hwnd_);
    if (!name || name->empty()) return;
    if (files::EndsInFolded(*name, L"wxl")) {
        encodedopen(*name);
    } else {
        services_.desktop.Message(hwnd_, kOnlyWexlinFiles, MB_OK | MB_ICONINFORMATION);
    }
}

void Convert1::Command2_Click() {
    if (services_.show_main_window) services_.show_main_window();
    DestroyWindow(hwnd_);  // this object goes with its window
}

void Convert1::encodedopen(const std::wstring& FileName) {
    using files::FileFailure;
    auto fail = [&](FileFailure::Action action, const std::wstring& file, std::wstring reason) {
        files::ReportFileFailure(services_.desktop, hwnd_, {action, file, std::move(reason)});
    };
    const files::FileBytes file = files::ReadWholeFile(FileName);
    if (file.error != ERROR_SUCCESS) return fail(FileFailure::Action::Open, FileName, SystemErrorText(file.error));
    const files::OldFormatFile old = files::ReadOldFormatFile(file.bytes);
    switch (old.status) {
    case files::OldFormatReadStatus::NothingToLoad: return;
    case files::OldFormatReadStatus::Corrupt:
        services_.desktop.Message(hwnd_, files::kCorruptFile, MB_OK | MB_ICONSTOP);
        return;
    case files::OldFormatReadStatus::HeaderCodeBelow10:
        return fail(FileFailure::Action::Open, FileName, files::kHeaderCodeBelow10);
    case files::OldFormatReadStatus::ShorterThanHeader:
        return fail(FileFailure::Action::Open, FileName, files::kShorterThanHeader);
    case files::OldFormatReadStatus::BodyCodeBelow9: return fail(FileFailure::Action::Open, FileName, kBodyCodeBelow9);
    case files::OldFormatReadStatus::Loaded: break;
    }
    if (old.needs_password && !files::AskOpenPassword(services_.desktop, hwnd_, old.stored_password)) return;

    std::wstring encoded;
    if (!Encode(files::ToWide(old.plain_text), encoded)) return;

    dlg1_.DialogTitle = L"Save Encoded Text";
    const std::optional<std::wstring> chosen = dlg1_.ShowSave(services_.desktop, hwnd_);
    if (!chosen || chosen->empty()) return;
    const std::wstring target = files::NameWithExtension(*chosen, L"wxl");
    const std::optional<std::string> header = files::AskSavePasswordHeader(services_.desktop, hwnd_);
    if (!header) return;
    // The engine writes ASCII only, so the bytes always exist; a missing one would be a fault.
    const std::optional<std::string> bytes = files::EncodedFileBytes(*header, files::ToU16(encoded));
    if (!bytes) return fail(FileFailure::Action::Save, target, files::kUnstorableEncodedText);
    const DWORD error = files::ReplaceFileContents(target, *bytes);
    if (error != ERROR_SUCCESS) return fail(FileFailure::Action::Save, target, SystemErrorText(error));
    services_.desktop.Message(hwnd_, kConverted, MB_OK | MB_ICONINFORMATION);
}

// The restored plain text through a new engine instance, released when the call ends.
bool Convert1::Encode(const std::wstring& plain_text, std::wstring& encoded) {
    HRESULT error = S_OK;
    try {
        CipherEngineInstance engine = services_.create_cipher_engine();
        if (!engine) {
            error = engine.Error();
        } else {
            win32::Bstr input(plain_text);
            win32::Bstr result;
            BSTR io = input.Detach();
            error = engine->Encode(&io, result.Put());
            input = win32::Bstr::Adopt(io);
            if (SUCCEEDED(error)) encoded.assign(result.View());
        }
    } catch (const std::bad_alloc&) {
        error = E_OUTOFMEMORY;
    }
    if (FAILED(error)) services_.desktop.Message(hwnd_, EngineFailure(error), MB_OK | MB_ICONSTOP);
    return SUCCEEDED(error);
}

}  // namespace wexlin
