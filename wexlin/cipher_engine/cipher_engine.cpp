#include "cipher_engine.h"

#include <utility>

namespace wexlin {

CipherEngineInstance CipherEngineInstance::Failed(HRESULT error) {
    CipherEngineInstance instance;
    instance.error_ = FAILED(error) ? error : E_FAIL;
    return instance;
}

CipherEngineInstance CipherEngineInstance::FromRegistration(win32::ComPtr<ICipherEngine> engine) {
    CipherEngineInstance instance;
    instance.engine_ = std::move(engine);
    instance.source_ = CipherEngineSource::Registered;
    return instance;
}

CipherEngineInstance CipherEngineInstance::FromModule(win32::UniqueModule module,
                                                      win32::ComPtr<ICipherEngine> engine) {
    CipherEngineInstance instance;
    instance.module_ = std::move(module);
    instance.engine_ = std::move(engine);
    instance.source_ = CipherEngineSource::ProgramFolder;
    return instance;
}

namespace {

HRESULT CreateFromModule(HMODULE module, win32::ComPtr<ICipherEngine>& engine) {
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get_class_object = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    if (!get_class_object) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    win32::ComPtr<IClassFactory> factory;
    HRESULT hr = get_class_object(CLSID_CipherEngine, IID_IClassFactory, factory.PutVoid());
    if (FAILED(hr)) return hr;
    if (!factory) return E_UNEXPECTED;
    hr = factory->CreateInstance(nullptr, IID_ICipherEngine, engine.PutVoid());
    if (SUCCEEDED(hr) && !engine) hr = E_UNEXPECTED;
    return hr;
}

}  // namespace

CipherEngineInstance CreateCipherEngine(const std::wstring& fallback_folder) {
    win32::ComPtr<ICipherEngine> engine;
    HRESULT hr = CoCreateInstance(CLSID_CipherEngine, nullptr, CLSCTX_INPROC_SERVER, IID_ICipherEngine,
                                  engine.PutVoid());
    if (SUCCEEDED(hr) && engine) return CipherEngineInstance::FromRegistration(std::move(engine));
    if (hr == E_OUTOFMEMORY) return CipherEngineInstance::Failed(hr);

    const std::wstring path = fallback_folder + L"\\" + kCipherEngineDll;
    win32::UniqueModule module(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module) return CipherEngineInstance::Failed(hr);  // not registered, not beside the program
    HRESULT module_hr = CreateFromModule(module.Get(), engine);
    if (FAILED(module_hr)) return CipherEngineInstance::Failed(module_hr);
    return CipherEngineInstance::FromModule(std::move(module), std::move(engine));
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return L".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

}  // namespace wexlin
