#pragma once
// The program's modal input box: a prompt, one line of input, OK and Cancel.
#include <windows.h>

#include <string>

namespace wexlin {

// The text typed when OK was pressed; the empty string on Cancel, Esc or the close box.
std::wstring ShowInputBox(HWND owner, const std::wstring& title, const std::wstring& prompt,
                          const std::wstring& initial);

}  // namespace wexlin
