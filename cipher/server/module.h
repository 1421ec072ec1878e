#pragma once
// What the DLL as a whole keeps: its module handle and the count of live objects and locks
// that decides DllCanUnloadNow.
#include <windows.h>

#include <string>

namespace wexlin_cipher {

void SetModule(HMODULE module);
HMODULE Module();
// Full path of this DLL, as it is registered and as its type library is loaded from.
std::wstring ModulePath();

void LockModule();
void UnlockModule();
bool ModuleInUse();

}  // namespace wexlin_cipher
