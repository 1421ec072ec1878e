#pragma once
// Reading and changing a pane's text the way the commands need it. Changes go through the edit
// control's own replace-selection, so the pane's Undo can take them back.
#include <windows.h>

#include <string>
#include <string_view>

namespace wexlin {

// The pane's whole text. May throw std::bad_alloc for a text too large to copy.
std::wstring PaneText(HWND pane);

// The selected text, empty when nothing is selected.
std::wstring SelectedText(HWND pane);

// Replaces the selection with text, or inserts it at the caret when nothing is selected.
void ReplaceSelection(HWND pane, std::wstring_view text);

// Replaces the whole text, undoably. False when the pane could not take it (out of memory).
bool ReplaceAllText(HWND pane, std::wstring_view text);

}  // namespace wexlin
