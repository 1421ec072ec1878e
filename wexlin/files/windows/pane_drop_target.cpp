#include "pane_drop_target.h"

#include <commctrl.h>
#include <shellapi.h>

#include <atomic>

#include "win32/com_ptr.h"

namespace wexlin::files {
namespace {

constexpr UINT_PTR kSubclassId = 0x4450;  // 'DP'
// Posted by Drop: the file is handled once the drag source has been let go, since the handler
// may show modal prompts.
constexpr UINT kHandleDroppedFile = WM_APP + 0x4450;

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

class PaneDropTarget final : public IDropTarget {
public:
    explicit PaneDropTarget(DroppedFileHandler handler) : handler_(std::move(handler)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDropTarget) {
            *out = static_cast<IDropTarget*>(this);
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

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        FORMATETC format = FileListFormat();
        offers_files_ = data && data->QueryGetData(&format) == S_OK;
        return Effect(effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return Effect(effect); }
    HRESULT STDMETHODCALLTYPE DragLeave() override {
        offers_files_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        offers_files_ = false;
        if (effect) *effect = DROPEFFECT_NONE;
        if (!data) return E_INVALIDARG;
        FORMATETC format = FileListFormat();
        STGMEDIUM medium{};
        if (data->GetData(&format, &medium) != S_OK) return S_OK;  // not a file list: ignored
        std::wstring file;
        if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) file = FirstDroppedFile(static_cast<HDROP>(medium.hGlobal));
        ReleaseStgMedium(&medium);
        if (file.empty()) return S_OK;
        if (effect) *effect = DROPEFFECT_COPY;
        handler_(file);
        return S_OK;
    }

private:
    HRESULT Effect(DWORD* effect) const {
        if (!effect) return E_INVALIDARG;
        *effect = offers_files_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }

    std::atomic<ULONG> references_{1};
    DroppedFileHandler handler_;
    bool offers_files_ = false;
};

// What the pane's subclass keeps: the handler and the file waiting to be handled.
struct PaneDrops {
    DroppedFileHandler handler;
    std::wstring pending;
    bool registered = false;
};

LRESULT CALLBACK PaneDropProc(HWND pane, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
    auto* drops = reinterpret_cast<PaneDrops*>(data);
    switch (message) {
    case WM_DROPFILES: {
        HDROP drop = reinterpret_cast<HDROP>(wparam);
        const std::wstring file = FirstDroppedFile(drop);
        DragFinish(drop);
        if (!file.empty()) drops->handler(file);
        return 0;
    }
    case kHandleDroppedFile: {
        const std::wstring file = std::move(drops->pending);
        drops->pending.clear();
        if (!file.empty()) drops->handler(file);
        return 0;
    }
    case WM_NCDESTROY:
        if (drops->registered) RevokeDragDrop(pane);
        RemoveWindowSubclass(pane, PaneDropProc, kSubclassId);
        delete drops;
        break;
    default: break;
    }
    return DefSubclassProc(pane, message, wparam, lparam);
}

}  // namespace

std::wstring FirstDroppedFile(HDROP drop) {
    if (!drop || DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return {};
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring file(length + 1u, L'\0');
    file.resize(DragQueryFileW(drop, 0, file.data(), length + 1u));
    return file;
}

IDropTarget* NewPaneDropTarget(DroppedFileHandler handler) { return new PaneDropTarget(std::move(handler)); }

void AcceptDroppedFiles(HWND pane, DroppedFileHandler handler) {
    auto* drops = new PaneDrops{std::move(handler), {}, false};
    SetWindowSubclass(pane, PaneDropProc, kSubclassId, reinterpret_cast<DWORD_PTR>(drops));
    DragAcceptFiles(pane, TRUE);
    win32::ComPtr<IDropTarget> target = win32::ComPtr<IDropTarget>::Adopt(NewPaneDropTarget([pane, drops](const std::wstring& file) {
        drops->pending = file;
        PostMessageW(pane, kHandleDroppedFile, 0, 0);
    }));
    drops->registered = RegisterDragDrop(pane, target.Get()) == S_OK;
}

}  // namespace wexlin::files
