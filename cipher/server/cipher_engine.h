#pragma once
// The CipherEngine COM object: ICipherEngine through its table, and by name through IDispatch
// backed by the type library embedded in this DLL.
#include <windows.h>

#include <atomic>

#include "CipherEngine.h"
#include "win32/com_ptr.h"

namespace wexlin_cipher {

class CipherEngine final : public ICipherEngine {
public:
    CipherEngine();
    CipherEngine(const CipherEngine&) = delete;
    CipherEngine& operator=(const CipherEngine&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* bad_argument) override;

    // ICipherEngine
    HRESULT STDMETHODCALLTYPE get_Status(LONG* status) override;
    HRESULT STDMETHODCALLTYPE Encode(BSTR* text, BSTR* encoded) override;
    HRESULT STDMETHODCALLTYPE Decode(BSTR* encoded, BSTR* text) override;

private:
    ~CipherEngine();
    HRESULT LoadTypeInfo();  // on first use by name; callers through the table never need it

    std::atomic<ULONG> refs_{1};
    LONG status_ = 0;
    win32::ComPtr<ITypeInfo> type_info_;
};

}  // namespace wexlin_cipher
