#include "saved_set_bag.h"

#include <olectl.h>

#include <atomic>
#include <string>

#include "tessel32/property_set/reader.h"
#include "win32/bstr.h"

namespace wexlin {
namespace {

// A picture saved as its file's bytes, made into a picture object again.
HRESULT LoadPicture(const tessel32::Picture& picture, VARIANT* out) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, picture.file.size());
    if (!memory) return E_OUTOFMEMORY;
    std::copy(picture.file.begin(), picture.file.end(), static_cast<std::uint8_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    win32::ComPtr<IStream> stream;
    HRESULT hr = CreateStreamOnHGlobal(memory, TRUE, stream.Put());
    if (FAILED(hr)) {
        GlobalFree(memory);
        return hr;
    }
    win32::ComPtr<IPictureDisp> loaded;
    hr = OleLoadPicture(stream.Get(), static_cast<LONG>(picture.file.size()), FALSE, IID_IPictureDisp,
                        loaded.PutVoid());
    if (FAILED(hr)) return hr;
    out->vt = VT_DISPATCH;
    out->pdispVal = loaded.Detach();
    return S_OK;
}

HRESULT ToVariant(const tessel32::PropertyValue& value, VARIANT* out) {
    VariantInit(out);
    if (auto v = std::get_if<std::int16_t>(&value)) {
        out->vt = VT_I2;
        out->iVal = *v;
    } else if (auto v = std::get_if<std::int32_t>(&value)) {
        out->vt = VT_I4;
        out->lVal = *v;
    } else if (auto v = std::get_if<bool>(&value)) {
        out->vt = VT_BOOL;
        out->boolVal = *v ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (auto v = std::get_if<std::u16string>(&value)) {
        out->vt = VT_BSTR;
        out->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(v->data()), static_cast<UINT>(v->size()));
        if (!out->bstrVal) return E_OUTOFMEMORY;
    } else if (auto v = std::get_if<tessel32::Picture>(&value)) {
        return LoadPicture(*v, out);
    }
    return S_OK;
}

class SavedSetBag final : public IPropertyBag {
public:
    explicit SavedSetBag(tessel32::PropertySet set) : set_(std::move(set)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
            *out = static_cast<IPropertyBag*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // The value in the type the caller set in *value (VT_EMPTY: as stored); E_INVALIDARG for a
    // key the set does not hold, so the control takes its default.
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        if (!name || !value) return E_POINTER;
        const VARTYPE wanted = value->vt;
        const std::u16string key(reinterpret_cast<const char16_t*>(name));
        const tessel32::PropertyValue* stored = set_.Find(key);
        if (!stored) return E_INVALIDARG;
        VARIANT natural;
        HRESULT hr = ToVariant(*stored, &natural);
        if (FAILED(hr)) return hr;
        if (wanted == VT_EMPTY || wanted == natural.vt) {
            *value = natural;  // the caller owns it now
            return S_OK;
        }
        VariantInit(value);
        hr = VariantChangeType(value, &natural, 0, wanted);
        VariantClear(&natural);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }  // the program saves none

private:
    std::atomic<ULONG> references_{1};
    tessel32::PropertySet set_;
};

}  // namespace

win32::ComPtr<IPropertyBag> NewSavedSetBag(std::span<const std::uint8_t> saved_set) {
    tessel32::ReadResult read = tessel32::ReadPropertySet(saved_set);
    if (!read.ok()) return nullptr;
    return win32::ComPtr<IPropertyBag>::Adopt(new SavedSetBag(std::move(read.set)));
}

}  // namespace wexlin
