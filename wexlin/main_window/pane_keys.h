#pragma once
// A multi-line edit asks its dialog for every key, Tab included, so Tab would type a tab
// character and trap the keyboard focus in the pane. The panes leave Tab and Shift+Tab to the
// window's focus navigation instead; Ctrl+Tab still types a tab character.
#include <windows.h>

namespace wexlin {

void LeaveTabToNavigation(HWND pane);

// A multi-line edit reports no EN_CHANGE when its whole text is set (WM_SETTEXT), from this
// program or another; the pane then reports it like any other change.
void ReportWholeTextChanges(HWND pane);

}  // namespace wexlin
