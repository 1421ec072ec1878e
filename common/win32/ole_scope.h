#pragma once
// OLE (and so COM) initialised for the lifetime of the object, as a thread that hosts controls needs.
#include <windows.h>
#include <ole2.h>

namespace win32 {

class OleScope {
public:
    OleScope() : hr_(OleInitialize(nullptr)) {}
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;
    ~OleScope() {
        if (SUCCEEDED(hr_)) OleUninitialize();
    }
    HRESULT Result() const { return hr_; }

private:
    HRESULT hr_;
};

}  // namespace win32
