// The DLL's entry points, exported undecorated through WexlinCipher.def.
#include <windows.h>
#include <olectl.h>

#include "CipherEngine.h"
#include "class_factory.h"
#include "module.h"
#include "registration.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        wexlin_cipher::SetModule(instance);
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != CLSID_CipherEngine) return CLASS_E_CLASSNOTAVAILABLE;
    return wexlin_cipher::TheClassFactory().QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() { return wexlin_cipher::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return wexlin_cipher::RegisterServer(); }

STDAPI DllUnregisterServer() { return wexlin_cipher::UnregisterServer(); }
