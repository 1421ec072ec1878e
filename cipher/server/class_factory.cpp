#include "class_factory.h"

#include <new>

#include "cipher_engine.h"
#include "module.h"

namespace wexlin_cipher {

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ClassFactory::AddRef() {
    LockModule();
    return 2;  // static object: the count is the module's
}

ULONG STDMETHODCALLTYPE ClassFactory::Release() {
    UnlockModule();
    return 1;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    CipherEngine* engine = new (std::nothrow) CipherEngine();
    if (!engine) return E_OUTOFMEMORY;
    const HRESULT hr = engine->QueryInterface(iid, out);
    engine->Release();  // the constructor's reference; *out holds its own on success
    return hr;
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
    if (lock) {
        LockModule();
    } else {
        UnlockModule();
    }
    return S_OK;
}

ClassFactory& TheClassFactory() {
    static ClassFactory factory;
    return factory;
}

}  // namespace wexlin_cipher
