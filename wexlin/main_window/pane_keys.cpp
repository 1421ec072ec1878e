#include "pane_keys.h"

#include <commctrl.h>

namespace wexlin {
namespace {

constexpr UINT_PTR kSubclassId = 0x5441;  // 'TA'

LRESULT CALLBACK PaneProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        LRESULT code = DefSubclassProc(hwnd, message, wparam, lparam);
        const MSG* key = reinterpret_cast<const MSG*>(lparam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0)
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
        return code;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, PaneProc, kSubclassId);
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

constexpr UINT_PTR kChangeSubclassId = 0x4348;  // 'CH'

LRESULT CALLBACK WholeTextProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETTEXT) {
        const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), EN_CHANGE),
                     reinterpret_cast<LPARAM>(hwnd));
        return result;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, WholeTextProc, kChangeSubclassId);
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

}  // namespace

void LeaveTabToNavigation(HWND pane) { SetWindowSubclass(pane, PaneProc, kSubclassId, 0); }

void ReportWholeTextChanges(HWND pane) { SetWindowSubclass(pane, WholeTextProc, kChangeSubclassId, 0); }

}  // namespace wexlin
