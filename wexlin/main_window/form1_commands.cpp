// Form1's command surface: one table from command ids to the window's commands, used alike by
// the menu bar, the popups and the toolbars; the popups themselves; Exit; the resize rule.
#include "Form1.h"

#include "Convert1.h"
#include "design_geometry.h"
#include "form1_ids.h"
#include "form1_layout.h"
#include "program_windows.h"

namespace wexlin {
namespace {

struct CommandEntry {
    UINT id;
    void (Form1::*run)();
};

constexpr CommandEntry kCommands[] = {
    {IDM_EXIT1, &Form1::Shutdown},
    {IDM_CUT1, &Form1::cut1_Click},       {IDM_COPY1, &Form1::copy1_Click},     {IDM_PASTE1, &Form1::paste1_Click},
    {IDM_OPEN1, &Form1::Open1_Click},     {IDM_SAVE1, &Form1::Save1_Click},     {IDM_CLEAR1, &Form1::Clear1_Click},
    {IDM_CUT2, &Form1::cut2_Click},       {IDM_COPY2, &Form1::copy2_Click},     {IDM_PASTE2, &Form1::paste2_Click},
    {IDM_OPEN2, &Form1::Open2_Click},     {IDM_SAVE2, &Form1::Save2_Click},     {IDM_CLEAR2, &Form1::Clear2_Click},
    {IDM_OLDWXLCFG, &Form1::oldwxlcfg_Click},
    {IDM_DATE1, &Form1::date1_Click},     {IDM_TIME1, &Form1::Time1_Click},     {IDM_NAME1, &Form1::name1_Click},
    {IDM_EMAIL1, &Form1::email1_Click},   {IDM_WEB1, &Form1::web1_Click},       {IDM_OTHER1, &Form1::other1_Click},
    {IDM_EXTRA1, &Form1::extra1_Click},   {IDM_EXTRA2, &Form1::extra2_Click},   {IDM_EXTRA3, &Form1::extra3_Click},
};

// The toolbars are 345 twips high with their 16-pixel buttons.
constexpr float kToolbarHeightTwips = 345.0f;

}  // namespace

bool Form1::RunCommand(UINT id) {
    for (const CommandEntry& command : kCommands) {
        if (command.id == id) {
            (this->*command.run)();
            return true;
        }
    }
    return false;
}

HMENU Form1::Menu(int position) const { return GetSubMenu(GetMenu(hwnd_), position); }

// A right click on a pane's frame or menu picture pops up that pane's menu at the pointer.
void Form1::PopupPaneMenu(HWND clicked, LPARAM screen_point) {
    int menu;
    if (clicked == frame2_ || clicked == picture1_) {
        menu = FORM1_MENU_ENCODED;
    } else if (clicked == frame1_ || clicked == picture2_) {
        menu = FORM1_MENU_DECODED;
    } else {
        return;
    }
    POINT at{static_cast<short>(LOWORD(screen_point)), static_cast<short>(HIWORD(screen_point))};
    if (screen_point == -1) {  // from the keyboard: at the control's top left corner
        RECT r;
        GetWindowRect(clicked, &r);
        at = {r.left, r.top};
    }
    const UINT chosen = services_.desktop.PopupMenu(hwnd_, Menu(menu), at);
    if (chosen) RunCommand(chosen);
}

void Form1::Shutdown() { OpenWindows().CloseAll(); }

void Form1::oldwxlcfg_Click() {
    Convert1::Show({services_.desktop, services_.create_cipher_engine, services_.show_main_window});
}

void Form1::UpdateCipherButtons() {
    for (auto [button, pane] : {std::pair{command1_, text1_}, std::pair{command2_, text2_}}) {
        const bool has_text = GetWindowTextLengthW(pane) > 0;
        if (!has_text && GetFocus() == button) SetFocus(pane);  // the focus must not vanish with the button
        EnableWindow(button, has_text);
    }
}

// The rule works in twips from the window's outer size and the controls as they stand.
void Form1::Form_Resize() {
    const float twips_per_pixel = 1440.0f / static_cast<float>(dpi_);
    auto twips = [&](int pixels) { return static_cast<float>(pixels) * twips_per_pixel; };
    auto read = [&](HWND control) {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return LayoutRect{twips(r.left), twips(r.top), twips(r.right - r.left), twips(r.bottom - r.top)};
    };
    RECT outer, status;
    GetWindowRect(hwnd_, &outer);
    GetWindowRect(status_bar_, &status);
    const LayoutInputs inputs{twips(outer.right - outer.left), twips(outer.bottom - outer.top),
                              twips(status.bottom - status.top), kToolbarHeightTwips, kToolbarHeightTwips};
    const std::pair<HWND, LayoutRect Form1Layout::*> controls[] = {
        {frame1_, &Form1Layout::frame1},     {frame2_, &Form1Layout::frame2},     {text1_, &Form1Layout::text1},
        {text2_, &Form1Layout::text2},       {command1_, &Form1Layout::command1}, {command2_, &Form1Layout::command2},
        {picture1_, &Form1Layout::picture1}, {picture2_, &Form1Layout::picture2},
    };
    Form1Layout layout{};
    for (const auto& [control, member] : controls) layout.*member = read(control);
    const Form1Layout before = layout;
    LayOutForm1(inputs, layout);
    auto pixels = [&](float value) { return TwipsToPixels(static_cast<int>(value + (value >= 0 ? 0.5f : -0.5f)), dpi_); };
    for (const auto& [control, member] : controls) {
        const LayoutRect &r = layout.*member, &old = before.*member;
        if (r.left == old.left && r.top == old.top && r.width == old.width && r.height == old.height) continue;
        SetWindowPos(control, nullptr, pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace wexlin
