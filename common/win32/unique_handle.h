#pragma once
// Owning wrappers for Win32 handles: each kind names how it is closed.
#include <windows.h>

#include <utility>

namespace win32 {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, Traits::Invalid()));
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    void Reset(Handle h = Traits::Invalid()) {
        Handle old = std::exchange(h_, h);
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    Handle Get() const { return h_; }
    Handle* Put() {
        Reset();
        return &h_;
    }
    Handle Release() { return std::exchange(h_, Traits::Invalid()); }
    explicit operator bool() const { return h_ != Traits::Invalid(); }

private:
    Handle h_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyWindow(h); }
};
template <class T>
struct GdiObjectTraits {
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyMenu(h); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
};

// A device context made with CreateDC or CreateCompatibleDC, deleted with DeleteDC.
struct CreatedDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePalette = UniqueHandle<GdiObjectTraits<HPALETTE>>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueDc = UniqueHandle<CreatedDcTraits>;
using UniqueMemoryDC = UniqueDc;  // from CreateCompatibleDC

// A device context obtained with GetDC, given back with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

}  // namespace win32
