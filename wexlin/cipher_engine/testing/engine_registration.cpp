#include "testing/engine_registration.h"

#include "cipher_engine.h"
#include "win32/unique_handle.h"

namespace wexlin::testing {

HRESULT CallEngineRegistration(const char* entry) {
    const std::wstring path = ProgramFolder() + L"\\" + kCipherEngineDll;
    win32::UniqueModule module(LoadLibraryW(path.c_str()));
    if (!module) return HRESULT_FROM_WIN32(GetLastError());
    auto function = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(module.Get(), entry)));
    return function ? function() : E_NOTIMPL;
}

std::wstring FolderWithoutEngine() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"wexlin-no-engine";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace wexlin::testing
