#include "Form1.h"

#include <commctrl.h>

#include <new>
#include <utility>

#include "clock_text.h"
#include "design_geometry.h"
#include "form1_ids.h"
#include "frame.h"
#include "pane_drop_target.h"
#include "pane_keys.h"
#include "pane_text.h"
#include "program_windows.h"
#include "version.h"
#include "win32/bstr.h"

namespace wexlin {
namespace {

constexpr wchar_t kForm1Class[] = L"WexlinForm1";
constexpr UINT_PTR kClockTimer = 1;

HINSTANCE ProgramInstance() { return GetModuleHandleW(nullptr); }

// False when the pane could not take the text (it ran out of memory).
bool SetPaneText(HWND pane, std::wstring_view text) {
    const std::wstring terminated(text);
    return SetWindowTextW(pane, terminated.c_str()) != FALSE;
}

std::wstring EngineFailureMessage(HRESULT error, bool panes_untouched, const wchar_t* nothing_done) {
    wchar_t code[16];
    wsprintfW(code, L"0x%08X", static_cast<unsigned>(error));
    std::wstring text = L"The cipher engine could not be used (error ";
    text += code;
    text += L").";
    if (panes_untouched) {
        text += L"\n\n";
        text += nothing_done;
    }
    return text;
}

void RegisterForm1Class(WNDPROC window_proc) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(ProgramInstance(), kForm1Class, &wc)) return;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = ProgramInstance();
    wc.hIcon = LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(IDI_WEXLIN));
    wc.hIconSm = static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IDI_WEXLIN), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kForm1Class;
    RegisterClassExW(&wc);
}

}  // namespace

std::wstring Form1Title() {
    return L"Wexlin " + std::to_wstring(WEXLIN_VERSION_MAJOR) + L"." + std::to_wstring(WEXLIN_VERSION_MINOR) +
           L"." + std::to_wstring(WEXLIN_VERSION_REVISION);
}

Form1::Form1(Services services) : services_(std::move(services)) {}

Form1::~Form1() {
    if (hwnd_) DestroyWindow(hwnd_);
}

std::unique_ptr<Form1> Form1::Create(Services services) {
    RegisterForm1Class(WindowProc);
    std::unique_ptr<Form1> form(new Form1(std::move(services)));
    HMENU menu = LoadMenuW(ProgramInstance(), MAKEINTRESOURCEW(IDM_FORM1_MENU));  // the window owns it
    HWND hwnd = CreateWindowExW(WS_EX_CONTROLPARENT, kForm1Class, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu,
                                ProgramInstance(), form.get());
    if (!hwnd && menu) DestroyMenu(menu);
    if (!hwnd) return nullptr;
    form->Form_Load();
    return form;
}

HWND Form1::Control(int id) const {
    switch (id) {
    case IDC_FRAME1: return frame1_;
    case IDC_FRAME2: return frame2_;
    case IDC_TEXT1: return text1_;
    case IDC_TEXT2: return text2_;
    case IDC_COMMAND1: return command1_;
    case IDC_COMMAND2: return command2_;
    case IDC_PICTURE1: return picture1_;
    case IDC_PICTURE2: return picture2_;
    case IDC_STATUSBAR1: return status_bar_;
    default: return nullptr;
    }
}

void Form1::Show(int show_command) {
    ShowWindow(hwnd_, show_command);
    UpdateWindow(hwnd_);
}

// Start-up: runs each time the window is created, before it becomes visible.
void Form1::Form_Load() {
    OpenCommandLineFile();
    SetStartupInsertCaptions();
    RefreshInsertMenu();
    SetWindowTextW(hwnd_, Form1Title().c_str());
    SetUpFileDialogs();
}

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Form1* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (!form) return DefWindowProcW(hwnd, message, wparam, lparam);
    LRESULT result = form->HandleMessage(message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        OpenWindows().Closed(hwnd);
    }
    return result;
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        OpenWindows().Opened(hwnd_);
        CreateControls();
        ApplyDpi(static_cast<int>(GetDpiForWindow(hwnd_)));
        {
            // Design size, centred on the work area of the window's monitor.
            RECT frame{0, 0, TwipsToPixels(kForm1ClientWidthTwips, dpi_),
                       TwipsToPixels(kForm1ClientHeightTwips, dpi_)};
            AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, TRUE, WS_EX_CONTROLPARENT,
                                     static_cast<UINT>(dpi_));
            MONITORINFO monitor{sizeof monitor, {}, {}, 0};
            GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
            const RECT& work = monitor.rcWork;
            const int width = frame.right - frame.left, height = frame.bottom - frame.top;
            SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                         work.top + (work.bottom - work.top - height) / 2, width, height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        UpdateClockPanels();
        ScheduleClockTick();
        return 0;
    case WM_SIZE:
        PlaceStatusBar();
        Form_Resize();
        return 0;
    case WM_DPICHANGED: {
        ApplyDpi(HIWORD(wparam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_TIMER:
        if (wparam == kClockTimer) {
            UpdateClockPanels();
            UpdateTimeCaption();
            UpdateCipherButtons();
            ScheduleClockTick();
            return 0;
        }
        break;
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED) {
            switch (LOWORD(wparam)) {
            case IDC_COMMAND1: Command1_Click(); return 0;
            case IDC_COMMAND2: Command2_Click(); return 0;
            default: break;
            }
        }
        if (HIWORD(wparam) == EN_CHANGE && (LOWORD(wparam) == IDC_TEXT1 || LOWORD(wparam) == IDC_TEXT2)) {
            UpdateCipherButtons();  // at once, so the buttons follow typing without a delay
            return 0;
        }
        if (lparam == 0 && (HIWORD(wparam) == 0 || HIWORD(wparam) == 1) && RunCommand(LOWORD(wparam))) return 0;
        break;
    case WM_CONTEXTMENU:
        PopupPaneMenu(reinterpret_cast<HWND>(wparam), lparam);
        return 0;
    case WM_INITMENUPOPUP:
        if (reinterpret_cast<HMENU>(wparam) == Menu(FORM1_MENU_INSERT)) RefreshInsertMenu();
        return 0;
    case WM_ACTIVATE:
        // Keyboard focus goes back where it was, as in a dialog.
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus)) focus_ = focus;
        } else {
            SetFocus(focus_ && IsWindow(focus_) ? focus_ : text2_);
        }
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd_, kClockTimer);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Form1::CreateControls() {
    const HINSTANCE instance = ProgramInstance();
    auto child = [&](HWND parent, DWORD ex_style, const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
        return CreateWindowExW(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    const DWORD pane_style = WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                             ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
    const DWORD pane_ex_style = WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES;

    // The encoded side first: creation order is the keyboard focus order.
    frame2_ = CreateFrame(hwnd_, IDC_FRAME2, L"Encoded Text:");
    text2_ = child(frame2_, pane_ex_style, WC_EDITW, L"", pane_style, IDC_TEXT2);
    command2_ = child(frame2_, 0, WC_BUTTONW, L"> Decode >", WS_TABSTOP | BS_PUSHBUTTON, IDC_COMMAND2);
    picture1_ = child(frame2_, 0, WC_STATICW, nullptr, SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, IDC_PICTURE1);

    frame1_ = CreateFrame(hwnd_, IDC_FRAME1, L"Decoded Text:");
    text1_ = child(frame1_, pane_ex_style, WC_EDITW, L"", pane_style, IDC_TEXT1);
    command1_ = child(frame1_, 0, WC_BUTTONW, L"< Encode <", WS_TABSTOP | BS_PUSHBUTTON, IDC_COMMAND1);
    picture2_ = child(frame1_, 0, WC_STATICW, nullptr, SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, IDC_PICTURE2);

    status_bar_ = child(hwnd_, 0, STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, IDC_STATUSBAR1);

    // No 30,000-character limit: a pasted or loaded text of any size fits.
    SendMessageW(text1_, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(text2_, EM_SETLIMITTEXT, 0, 0);
    LeaveTabToNavigation(text1_);
    LeaveTabToNavigation(text2_);
    ReportWholeTextChanges(text1_);
    ReportWholeTextChanges(text2_);
    files::AcceptDroppedFiles(text1_, [this](const std::wstring& file) { Text1_OLEDragDrop(file); });
    files::AcceptDroppedFiles(text2_, [this](const std::wstring& file) { Text2_OLEDragDrop(file); });

    picture1_icon_.Reset(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_ENCODED_MENU), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    picture2_icon_.Reset(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_DECODED_MENU), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    SendMessageW(picture1_, STM_SETICON, reinterpret_cast<WPARAM>(picture1_icon_.Get()), 0);
    SendMessageW(picture2_, STM_SETICON, reinterpret_cast<WPARAM>(picture2_icon_.Get()), 0);

    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                instance, nullptr);
    AddTooltip(frame2_, L"Encoded frame.");
    AddTooltip(text2_, L"Encoded Text");
    AddTooltip(command2_, L"Decode, Encoded text");
    AddTooltip(picture1_, L"Popup a menu for encoded text.");
    AddTooltip(frame1_, L"Decoded frame.");
    AddTooltip(text1_, L"Decoded Text");
    AddTooltip(command1_, L"Encode, Decoded Text");
    AddTooltip(picture2_, L"Popup a menu for decoded text.");

    SetStatusPanel(kStatusIdle);
    UpdateCipherButtons();
    focus_ = text2_;
}

void Form1::AddTooltip(HWND control, const wchar_t* text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Tahoma 8.25 pt and the design geometry, both in the window's DPI.
void Form1::ApplyDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(825, dpi_, 7200);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    font_.Reset(CreateFontIndirectW(&font));
    for (HWND control : {frame1_, frame2_, text1_, text2_, command1_, command2_, status_bar_})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    SendMessageW(status_bar_, SB_SETMINHEIGHT, TwipsToPixels(kStatusBarHeightTwips, dpi_), 0);
    PlaceDesignGeometry();
    PlaceStatusBar();
}

void Form1::PlaceDesignGeometry() {
    for (const ChildGeometry& child : kForm1DesignGeometry) {
        const TwipsRect& r = child.rect;
        SetWindowPos(Control(child.id), nullptr, TwipsToPixels(r.left, dpi_), TwipsToPixels(r.top, dpi_),
                     TwipsToPixels(r.width, dpi_), TwipsToPixels(r.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The status bar spans the bottom edge; the time and date panels keep a fixed width at the right.
void Form1::PlaceStatusBar() {
    if (!status_bar_) return;
    SendMessageW(status_bar_, WM_SIZE, 0, 0);
    RECT client;
    GetClientRect(status_bar_, &client);
    const int clock = TwipsToPixels(kClockPanelWidthTwips, dpi_);
    int edges[3] = {client.right - 2 * clock, client.right - clock, -1};
    if (edges[0] < 0) edges[0] = 0;
    if (edges[1] < edges[0]) edges[1] = edges[0];
    SendMessageW(status_bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void Form1::SetStatusPanel(const wchar_t* text) {
    SendMessageW(status_bar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    // The panel must read right while a long command keeps the message loop away.
    UpdateWindow(status_bar_);
}

void Form1::UpdateClockPanels() {
    const SYSTEMTIME now = services_.desktop.Now();
    const std::wstring time = TimeText(now), date = ShortDateText(now);
    SendMessageW(status_bar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(time.c_str()));
    SendMessageW(status_bar_, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(date.c_str()));
}

// Next tick just after the next whole second, so the time panel never lags a second behind.
void Form1::ScheduleClockTick() {
    const SYSTEMTIME now = services_.desktop.Now();
    SetTimer(hwnd_, kClockTimer, 1000u - now.wMilliseconds + 5u, nullptr);
}

void Form1::Command1_Click() { RunCipher(CipherDirection::Encode); }

void Form1::Command2_Click() { RunCipher(CipherDirection::Decode); }

// Encode and Decode: the source pane's whole text through a new engine instance into the other
// pane. Out of memory (from the engine or from a pane) ends the run with "Text Is Too Long!";
// an engine that cannot be used is reported and leaves both panes as they were.
void Form1::RunCipher(CipherDirection direction) {
    const bool encoding = direction == CipherDirection::Encode;
    HWND source = encoding ? text1_ : text2_;
    HWND target = encoding ? text2_ : text1_;
    const wchar_t* nothing_done = encoding ? L"Nothing was encoded." : L"Nothing was decoded.";

    bool out_of_memory = false;
    HRESULT engine_error = S_OK;
    bool target_filled = false;
    bool corrupt = false;
    try {
        std::wstring text = PaneText(source);
        SetStatusPanel(encoding ? kStatusEncoding : kStatusDecoding);
        CipherEngineInstance engine = services_.create_cipher_engine();
        if (!engine) {
            engine_error = engine.Error();
        } else {
            win32::Bstr input(text);
            text.clear();
            text.shrink_to_fit();
            win32::Bstr result;
            BSTR io = input.Detach();
            HRESULT hr = encoding ? engine->Encode(&io, result.Put()) : engine->Decode(&io, result.Put());
            input = win32::Bstr::Adopt(io);  // the engine may have replaced the string it was given
            input.Reset();
            if (FAILED(hr)) {
                engine_error = hr;
            } else if (!SetPaneText(target, result.View())) {
                out_of_memory = true;
            } else {
                target_filled = true;
                if (!encoding) {
                    long status = 0;
                    hr = engine->get_Status(&status);
                    if (FAILED(hr)) engine_error = hr;
                    corrupt = SUCCEEDED(hr) && status == 2;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        out_of_memory = true;
    }
    if (engine_error == E_OUTOFMEMORY) out_of_memory = true;

    if (out_of_memory) {
        services_.desktop.Message(hwnd_, kTextTooLong, MB_OK | MB_ICONSTOP);
    } else if (FAILED(engine_error)) {
        services_.desktop.Message(hwnd_, EngineFailureMessage(engine_error, !target_filled, nothing_done),
                                  MB_OK | MB_ICONSTOP);
    } else if (corrupt) {
        services_.desktop.Message(hwnd_, kEncryptionCorrupt, MB_OK | MB_ICONSTOP);
    }
    SetStatusPanel(kStatusIdle);
}

}  // namespace wexlin
