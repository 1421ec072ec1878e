#include "control_host.h"

#include <atomic>

#include "saved_set_bag.h"

namespace wexlin {

// The control's client site, in-place site and frame in one object: the control lives in a
// child window of the program and has no menus or borders of its own to negotiate.
class ControlHost::Site final : public IOleClientSite,
                                public IOleInPlaceSite,
                                public IOleInPlaceFrame,
                                public IOleControlSite,
                                public IDispatch {
public:
    Site(HWND parent, const RECT& place) : parent_(parent), place_(place) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (iid == IID_IOleInPlaceSite || iid == IID_IOleWindow) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == IID_IOleInPlaceFrame || iid == IID_IOleInPlaceUIWindow) {
            *out = static_cast<IOleInPlaceFrame*>(this);
        } else if (iid == IID_IOleControlSite) {
            *out = static_cast<IOleControlSite*>(this);
        } else if (iid == IID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HWND ControlWindow() const { return control_window_; }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (of both the site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = parent_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* info) override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        *position = place_;
        GetClientRect(parent_, clip);  // the toolbar is clipped by its frame
        info->fMDIApp = FALSE;
        info->hwndFrame = GetAncestor(parent_, GA_ROOT);
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(const RECT* position) override {
        if (position) place_ = *position;
        return S_OK;
    }

    // IOleInPlaceUIWindow / IOleInPlaceFrame: no menus or tool space to share.
    HRESULT STDMETHODCALLTYPE GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IOleControlSite
    HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** control) override {
        if (control) *control = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

    // IDispatch: the ambient properties. The program runs its controls, never designs them.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        VariantInit(result);
        switch (id) {
        case DISPID_AMBIENT_USERMODE:
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_TRUE;
            return S_OK;
        case DISPID_AMBIENT_UIDEAD:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_SHOWGRABHANDLES:
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_FALSE;
            return S_OK;
        case DISPID_AMBIENT_BACKCOLOR:
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(0x80000000 | COLOR_BTNFACE);  // the system's button face
            return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

    void SetControlWindow(HWND window) { control_window_ = window; }

private:
    std::atomic<ULONG> references_{1};
    HWND parent_;
    RECT place_;
    HWND control_window_ = nullptr;
};

// Receives the control's events and passes each on by its dispatch id.
class ControlHost::EventSink final : public IDispatch {
public:
    EventSink(IID events_id, std::function<void(DISPID, DISPPARAMS&)> on_event)
        : events_id_(events_id), on_event_(std::move(on_event)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == events_id_) {
            *out = static_cast<IDispatch*>(this);
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
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        if (result) VariantInit(result);
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        if (on_event_) on_event_(id, parameters ? *parameters : none);
        return S_OK;
    }

private:
    std::atomic<ULONG> references_{1};
    IID events_id_;
    std::function<void(DISPID, DISPPARAMS&)> on_event_;
};

namespace {

HRESULT CreateFromLibrary(HMODULE module, const CLSID& class_id, win32::ComPtr<IOleObject>& object) {
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get_class_object = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    if (!get_class_object) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    win32::ComPtr<IClassFactory> factory;
    HRESULT hr = get_class_object(class_id, IID_IClassFactory, factory.PutVoid());
    if (FAILED(hr)) return hr;
    if (!factory) return E_UNEXPECTED;
    hr = factory->CreateInstance(nullptr, IID_IOleObject, object.PutVoid());
    if (SUCCEEDED(hr) && !object) hr = E_UNEXPECTED;
    return hr;
}

// A control reads its saved set from a property bag when it can, else from a stream of it.
HRESULT LoadSavedSet(IOleObject* object, std::span<const std::uint8_t> saved_set) {
    win32::ComPtr<IPersistPropertyBag> bag_persist;
    if (SUCCEEDED(object->QueryInterface(IID_IPersistPropertyBag, bag_persist.PutVoid())) && bag_persist) {
        win32::ComPtr<IPropertyBag> bag = NewSavedSetBag(saved_set);
        if (!bag) return E_INVALIDARG;
        return bag_persist->Load(bag.Get(), nullptr);
    }
    win32::ComPtr<IPersistStreamInit> stream_persist;
    HRESULT hr = object->QueryInterface(IID_IPersistStreamInit, stream_persist.PutVoid());
    if (FAILED(hr) || !stream_persist) return FAILED(hr) ? hr : E_NOINTERFACE;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, saved_set.size());
    if (!memory) return E_OUTOFMEMORY;
    std::copy(saved_set.begin(), saved_set.end(), static_cast<std::uint8_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    win32::ComPtr<IStream> stream;
    hr = CreateStreamOnHGlobal(memory, TRUE, stream.Put());
    if (FAILED(hr)) {
        GlobalFree(memory);
        return hr;
    }
    return stream_persist->Load(stream.Get());
}

}  // namespace

std::unique_ptr<ControlHost> ControlHost::Create(const HostedControlSpec& spec, HWND parent, const RECT& place,
                                                 HRESULT* error) {
    std::unique_ptr<ControlHost> host(new ControlHost);
    const HRESULT hr = host->Start(spec, parent, place);
    if (error) *error = hr;
    if (FAILED(hr)) return nullptr;
    return host;
}

HRESULT ControlHost::Start(const HostedControlSpec& spec, HWND parent, const RECT& place) {
    HRESULT hr = CoCreateInstance(spec.class_id, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.PutVoid());
    if (FAILED(hr) || !object_) {
        if (hr == E_OUTOFMEMORY || spec.fallback_library.empty()) return FAILED(hr) ? hr : E_UNEXPECTED;
        module_.Reset(LoadLibraryExW(spec.fallback_library.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
        if (!module_) return FAILED(hr) ? hr : HRESULT_FROM_WIN32(GetLastError());
        hr = CreateFromLibrary(module_.Get(), spec.class_id, object_);
        if (FAILED(hr)) return hr;
    }
    site_ = win32::ComPtr<Site>::Adopt(new Site(parent, place));
    // Controls that want their site before their saved values (most do) get it first.
    DWORD misc = 0;
    object_->GetMiscStatus(DVASPECT_CONTENT, &misc);
    if (misc & OLEMISC_SETCLIENTSITEFIRST) object_->SetClientSite(site_.Get());
    hr = LoadSavedSet(object_.Get(), spec.saved_set);
    if (FAILED(hr)) return hr;
    if (!(misc & OLEMISC_SETCLIENTSITEFIRST)) object_->SetClientSite(site_.Get());

    hr = object_->QueryInterface(IID_IDispatch, dispatch_.PutVoid());
    if (FAILED(hr)) return hr;

    win32::ComPtr<IConnectionPointContainer> points;
    if (SUCCEEDED(object_->QueryInterface(IID_IConnectionPointContainer, points.PutVoid())) && points &&
        SUCCEEDED(points->FindConnectionPoint(spec.events_id, events_.Put())) && events_) {
        win32::ComPtr<IUnknown> sink = win32::ComPtr<IUnknown>::Adopt(new EventSink(spec.events_id, spec.on_event));
        if (FAILED(events_->Advise(sink.Get(), &events_cookie_))) events_.Reset();
    }

    RECT position = place;
    hr = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, parent, &position);
    if (FAILED(hr)) return hr;
    win32::ComPtr<IOleInPlaceObject> in_place;
    HWND window = nullptr;
    if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, in_place.PutVoid())) && in_place)
        in_place->GetWindow(&window);
    site_->SetControlWindow(window);
    return S_OK;
}

ControlHost::~ControlHost() {
    if (events_) events_->Unadvise(events_cookie_);
    events_.Reset();
    if (object_) {
        win32::ComPtr<IOleInPlaceObject> in_place;
        if (SUCCEEDED(object_->QueryInterface(IID_IOleInPlaceObject, in_place.PutVoid())) && in_place)
            in_place->InPlaceDeactivate();
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    dispatch_.Reset();
    object_.Reset();
    site_.Reset();
}

HWND ControlHost::Window() const { return site_ ? site_->ControlWindow() : nullptr; }

HRESULT ControlHost::Call(DISPID id, std::vector<VARIANT> arguments, VARIANT* result) {
    if (!dispatch_) return E_UNEXPECTED;
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());  // the last argument comes first
    DISPPARAMS parameters{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    VARIANT ignored;
    VariantInit(&ignored);
    const HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                                         result ? result : &ignored, nullptr, nullptr);
    VariantClear(&ignored);
    return hr;
}

}  // namespace wexlin
