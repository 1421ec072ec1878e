#pragma once
// BSTRs as the core's UTF-16 text: a view of one, and a sink that builds one of exactly the
// length the core asks for, so that a result is written once, in place.
#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string_view>

#include "cipher/engine.h"
#include "win32/bstr.h"

namespace wexlin_cipher {

static_assert(sizeof(OLECHAR) == sizeof(char16_t), "a BSTR holds UTF-16 code units");

// A null BSTR is the empty text.
inline std::u16string_view TextOf(BSTR s) {
    return s ? std::u16string_view(reinterpret_cast<const char16_t*>(s), SysStringLen(s)) : std::u16string_view();
}

class BstrSink final : public cipher::TextSink {
public:
    char16_t* Reserve(std::size_t length) override {
        if (length > 0x7FFFFFF0u / sizeof(OLECHAR)) throw std::bad_alloc();  // a BSTR counts bytes in 32 bits
        BSTR s = SysAllocStringLen(nullptr, static_cast<UINT>(length));
        if (!s) throw std::bad_alloc();
        result_ = win32::Bstr::Adopt(s);
        return reinterpret_cast<char16_t*>(s);
    }
    BSTR Detach() { return result_.Detach(); }

private:
    win32::Bstr result_;
};

}  // namespace wexlin_cipher
