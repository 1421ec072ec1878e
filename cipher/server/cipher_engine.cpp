#include "cipher_engine.h"

#include <new>

#include "bstr_text.h"
#include "module.h"
#include "random_nonce.h"

namespace wexlin_cipher {
namespace {

constexpr LONG kCorrupt = static_cast<LONG>(cipher::Status::Corrupt);

// Nothing may cross the COM boundary as an exception.
template <class F>
HRESULT Guarded(F&& f) noexcept {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace

CipherEngine::CipherEngine() { LockModule(); }
CipherEngine::~CipherEngine() { UnlockModule(); }

HRESULT STDMETHODCALLTYPE CipherEngine::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_ICipherEngine) {
        *out = static_cast<ICipherEngine*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE CipherEngine::AddRef() { return ++refs_; }

ULONG STDMETHODCALLTYPE CipherEngine::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT CipherEngine::LoadTypeInfo() {
    if (type_info_) return S_OK;
    win32::ComPtr<ITypeLib> library;
    const HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.Put());
    if (FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(IID_ICipherEngine, type_info_.Put());
}

HRESULT STDMETHODCALLTYPE CipherEngine::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CipherEngine::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    const HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    *info = win32::ComPtr<ITypeInfo>::Share(type_info_.Get()).Detach();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CipherEngine::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    const HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(type_info_.Get(), names, count, ids);
}

HRESULT STDMETHODCALLTYPE CipherEngine::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                               VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    const HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return DispInvoke(static_cast<ICipherEngine*>(this), type_info_.Get(), id, flags, params, result, exception,
                      bad_argument);
}

HRESULT STDMETHODCALLTYPE CipherEngine::get_Status(LONG* status) {
    if (!status) return E_POINTER;
    *status = status_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CipherEngine::Encode(BSTR* text, BSTR* encoded) {
    if (!text || !encoded) return E_POINTER;
    *encoded = nullptr;
    return Guarded([&] {
        cipher::Nonce nonce;
        const HRESULT hr = RandomNonce(nonce);
        if (FAILED(hr)) return hr;
        BstrSink sink;
        cipher::Encode(TextOf(*text), nonce, sink);
        *encoded = sink.Detach();
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE CipherEngine::Decode(BSTR* encoded, BSTR* text) {
    if (!encoded || !text) return E_POINTER;
    *text = nullptr;
    status_ = kCorrupt;  // stays so if the call fails
    return Guarded([&] {
        BstrSink sink;
        const cipher::Status status = cipher::Decode(TextOf(*encoded), sink);
        *text = sink.Detach();
        status_ = static_cast<LONG>(status);
        return S_OK;
    });
}

}  // namespace wexlin_cipher
