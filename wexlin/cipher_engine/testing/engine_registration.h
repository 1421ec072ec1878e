#pragma once
// Test helpers for the cipher engine's registration in the test prefix.
#include <windows.h>

#include <string>

namespace wexlin::testing {

// Calls an entry point of WexlinCipher.dll (beside the test) and lets the DLL go again.
HRESULT CallEngineRegistration(const char* entry);

// The engine stays unregistered for the scope; registered again afterwards.
class UnregisteredEngine {
public:
    UnregisteredEngine() : result_(CallEngineRegistration("DllUnregisterServer")) {}
    ~UnregisteredEngine() { CallEngineRegistration("DllRegisterServer"); }
    UnregisteredEngine(const UnregisteredEngine&) = delete;
    UnregisteredEngine& operator=(const UnregisteredEngine&) = delete;
    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};

// An empty folder: no cipher engine to be found there.
std::wstring FolderWithoutEngine();

}  // namespace wexlin::testing
