#pragma once
// Files dropped on a pane: an OLE drop target that takes the first file of a dropped file list
// and refuses other data, and the same for the shell's older WM_DROPFILES drops. Either way the
// pane itself takes in nothing; its window handles the file.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace wexlin::files {

using DroppedFileHandler = std::function<void(const std::wstring& first_file)>;

// Registers the pane as a drop target and routes its WM_DROPFILES to the handler too. The
// registration ends when the pane is destroyed.
void AcceptDroppedFiles(HWND pane, DroppedFileHandler handler);

// The first file of an HDROP list, or nothing when the list is empty.
std::wstring FirstDroppedFile(HDROP drop);

// The drop target object itself, for windows and tests that register it their own way.
IDropTarget* NewPaneDropTarget(DroppedFileHandler handler);

}  // namespace wexlin::files
