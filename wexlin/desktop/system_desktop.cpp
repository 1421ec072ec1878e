#include "desktop.h"

namespace wexlin {
namespace {

class Win32Desktop final : public Desktop {
public:
    int Message(HWND owner, const std::wstring& text, UINT style) override {
        return MessageBoxW(owner, text.c_str(), kMessageTitle, style);
    }

    SYSTEMTIME Now() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now;
    }
};

}  // namespace

Desktop& SystemDesktop() {
    static Win32Desktop desktop;
    return desktop;
}

}  // namespace wexlin
