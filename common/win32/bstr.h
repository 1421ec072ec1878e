#pragma once
// Owning BSTR. Length-counted: embedded NUL characters survive.
#include <oleauto.h>

#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace win32 {

class Bstr {
public:
    Bstr() = default;
    // Throws std::bad_alloc when the system cannot allocate the string.
    explicit Bstr(std::wstring_view text) {
        if (text.size() > 0x7FFFFFF0u) throw std::bad_alloc();
        str_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!str_) throw std::bad_alloc();
    }
    static Bstr Adopt(BSTR raw) {
        Bstr b;
        b.str_ = raw;
        return b;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : str_(std::exchange(other.str_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        if (this != &other) {
            Reset();
            str_ = std::exchange(other.str_, nullptr);
        }
        return *this;
    }
    ~Bstr() { Reset(); }

    void Reset() {
        if (BSTR s = std::exchange(str_, nullptr)) SysFreeString(s);
    }
    BSTR Get() const { return str_; }
    BSTR* Put() {
        Reset();
        return &str_;
    }
    BSTR Detach() { return std::exchange(str_, nullptr); }
    size_t Length() const { return str_ ? SysStringLen(str_) : 0; }
    std::wstring_view View() const { return str_ ? std::wstring_view(str_, SysStringLen(str_)) : std::wstring_view(); }

private:
    BSTR str_ = nullptr;
};

}  // namespace win32
