#pragma once
// A frame: an etched rectangle with a caption that contains other controls. Unlike a group box
// it passes its children's notifications (WM_COMMAND, WM_NOTIFY, colours) on to its own parent,
// so the window that owns the frame handles them as if the children were its own.
#include <windows.h>

namespace wexlin {

HWND CreateFrame(HWND parent, int id, const wchar_t* caption);

}  // namespace wexlin
