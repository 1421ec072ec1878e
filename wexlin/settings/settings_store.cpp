#include "settings_store.h"

#include <windows.h>

#include "win32/unique_handle.h"

namespace wexlin {

std::wstring ReadSetting(std::wstring_view key) {
    const std::wstring name(key);
    win32::UniqueRegKey hkey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, hkey.Put()) != ERROR_SUCCESS)
        return {};
    // The value may change size between the two calls; ask again until it fits.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, bytes = 0;
        if (RegQueryValueExW(hkey.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
        std::wstring text((bytes + sizeof(wchar_t) - 1) / sizeof(wchar_t), L'\0');
        LSTATUS status = RegQueryValueExW(hkey.Get(), name.c_str(), nullptr, &type,
                                          reinterpret_cast<BYTE*>(text.data()), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return {};
        // Stored strings are not always terminated; keep what precedes the first NUL.
        text.resize(bytes / sizeof(wchar_t));
        if (size_t nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
        return text;
    }
    return {};
}

void WriteSetting(std::wstring_view key, std::wstring_view text) {
    const std::wstring name(key);
    const std::wstring value(text);
    win32::UniqueRegKey hkey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, hkey.Put(),
                        nullptr) != ERROR_SUCCESS)
        return;
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(hkey.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

}  // namespace wexlin
