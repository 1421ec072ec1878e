#pragma once
// Hosts one ActiveX control in a window of the program, at run time: creates it by its class id
// (or straight from its library beside the program when the class is not registered), gives it
// a client site whose ambient UserMode is True, loads its saved property set through a property
// bag, activates it in place in the parent window, and hands its events to a callback.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace wexlin {

struct HostedControlSpec {
    CLSID class_id;
    // The library to load the class from when it is not registered (full path).
    std::wstring fallback_library;
    // The saved property set, in the controls' stored layout.
    std::span<const std::uint8_t> saved_set;
    // The control's events interface and what to do with each event (dispatch id, arguments).
    IID events_id;
    std::function<void(DISPID, DISPPARAMS&)> on_event;
};

class ControlHost {
public:
    // Null on failure, with the reason in *error.
    static std::unique_ptr<ControlHost> Create(const HostedControlSpec& spec, HWND parent, const RECT& place,
                                               HRESULT* error);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // Calls a method of the control by its dispatch id (late binding), arguments in order.
    HRESULT Call(DISPID id, std::vector<VARIANT> arguments = {}, VARIANT* result = nullptr);

    // The control's own window, once it is active in place.
    HWND Window() const;
    IDispatch* Dispatch() const { return dispatch_.Get(); }

    class Site;
    class EventSink;

private:
    ControlHost() = default;
    HRESULT Start(const HostedControlSpec& spec, HWND parent, const RECT& place);

    win32::UniqueModule module_;  // the library, when loaded from its file: released last
    win32::ComPtr<IOleObject> object_;
    win32::ComPtr<IDispatch> dispatch_;
    win32::ComPtr<Site> site_;
    win32::ComPtr<IConnectionPoint> events_;
    DWORD events_cookie_ = 0;
};

}  // namespace wexlin
