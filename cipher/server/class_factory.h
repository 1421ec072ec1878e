#pragma once
// The class object for CipherEngine. One static instance serves the whole DLL; its references
// and LockServer count toward DllCanUnloadNow.
#include <windows.h>
#include <unknwn.h>

namespace wexlin_cipher {

class ClassFactory final : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

ClassFactory& TheClassFactory();

}  // namespace wexlin_cipher
