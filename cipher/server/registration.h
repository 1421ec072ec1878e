#pragma once
// Self-registration under HKLM\Software\Classes (Wine looks classes up there only): the class
// with its in-process server, the ProgID both ways, and the type library.
#include <windows.h>

namespace wexlin_cipher {

inline constexpr wchar_t kProgId[] = L"Wexlin.CipherEngine";
inline constexpr wchar_t kClassName[] = L"Wexlin Cipher Engine";

HRESULT RegisterServer();
// Removes exactly what RegisterServer writes; nothing to remove is no failure.
HRESULT UnregisterServer();

}  // namespace wexlin_cipher
