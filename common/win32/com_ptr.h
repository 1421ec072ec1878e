#pragma once
// Owning pointer to a COM interface: AddRef on copy, Release on destruction.
#include <unknwn.h>

#include <utility>

namespace win32 {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a reference the caller already holds (as returned by a creating call).
    static ComPtr Adopt(T* raw) {
        ComPtr p;
        p.ptr_ = raw;
        return p;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* raw) {
        if (raw) raw->AddRef();
        return Adopt(raw);
    }
    ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
        if (ptr_) ptr_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset() {
        if (T* p = std::exchange(ptr_, nullptr)) p->Release();
    }
    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** Put() {
        Reset();
        return &ptr_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    T* Detach() { return std::exchange(ptr_, nullptr); }

    template <class U>
    HRESULT As(ComPtr<U>& out) const {
        if (!ptr_) return E_POINTER;
        return ptr_->QueryInterface(__uuidof(U), out.PutVoid());
    }
    HRESULT QueryTo(REFIID iid, void** out) const {
        if (!ptr_) return E_POINTER;
        return ptr_->QueryInterface(iid, out);
    }

private:
    T* ptr_ = nullptr;
};

}  // namespace win32
