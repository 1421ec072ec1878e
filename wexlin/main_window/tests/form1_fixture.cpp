#include "form1_fixture.h"

#include <commctrl.h>

#include "design_geometry.h"

namespace wexlin::testing {

void Form1Test::SetUp() {
    ASSERT_EQ(ole_.Result(), S_OK);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const std::wstring folder = ProgramFolder();
    engine_factory = [folder] { return CreateCipherEngine(folder); };
    RecreateForm(L"");
}

void Form1Test::RecreateForm(const std::wstring& command_line) {
    form_.reset();
    form_ = Form1::Create({desktop_, [this] { return engine_factory(); }, command_line, [this] { ++main_window_shown_; }});
    ASSERT_TRUE(form_);
    form_->Show(SW_SHOWNORMAL);
}

void Form1Test::TearDown() { form_.reset(); }

std::wstring Form1Test::Text(int id) const {
    HWND control = Control(id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)), L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1)));
    return text;
}

void Form1Test::SetText(int id, const std::wstring& text) { SetWindowTextW(Control(id), text.c_str()); }

void Form1Test::Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }

std::wstring Form1Test::StatusPanel(int index) const {
    HWND bar = Control(IDC_STATUSBAR1);
    std::wstring text(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, index, 0)) + 1u, L'\0');
    SendMessageW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

RECT Form1Test::TwipsInParent(HWND child) const {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    const int dpi = Dpi();
    return {PixelsToTwips(r.left, dpi), PixelsToTwips(r.top, dpi), PixelsToTwips(r.right - r.left, dpi),
            PixelsToTwips(r.bottom - r.top, dpi)};
}

}  // namespace wexlin::testing
