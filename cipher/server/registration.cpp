#include "registration.h"

#include <oleauto.h>

#include <string>

#include "CipherEngine.h"
#include "module.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace wexlin_cipher {
namespace {

constexpr wchar_t kClasses[] = L"Software\\Classes";

std::wstring GuidString(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring ClassKey() { return std::wstring(kClasses) + L"\\CLSID\\" + GuidString(CLSID_CipherEngine); }
std::wstring ProgIdKey() { return std::wstring(kClasses) + L"\\" + kProgId; }

// Creates HKLM\<key> and sets one string value (the default one when name is null).
HRESULT SetString(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    win32::UniqueRegKey handle;
    LSTATUS rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                 nullptr, handle.Put(), nullptr);
    if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
    rc = RegSetValueExW(handle.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    return rc == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(rc);
}

bool KeyExists(const std::wstring& key) {
    win32::UniqueRegKey handle;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, handle.Put()) == ERROR_SUCCESS;
}

HRESULT DeleteTree(const std::wstring& key) {
    const LSTATUS rc = RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    if (rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND) {
        // RegDeleteTree empties the key; the key itself goes with RegDeleteKey
        const LSTATUS gone = RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
        if (gone == ERROR_SUCCESS || gone == ERROR_FILE_NOT_FOUND) return S_OK;
        return HRESULT_FROM_WIN32(gone);
    }
    return HRESULT_FROM_WIN32(rc);
}

HRESULT RegisterClassKeys(const std::wstring& path) {
    const std::wstring cls = ClassKey();
    const std::wstring clsid = GuidString(CLSID_CipherEngine);
    const std::pair<std::wstring, std::pair<const wchar_t*, std::wstring>> values[] = {
        {cls, {nullptr, kClassName}},
        {cls + L"\\InprocServer32", {nullptr, path}},
        {cls + L"\\InprocServer32", {L"ThreadingModel", L"Apartment"}},
        {cls + L"\\ProgID", {nullptr, kProgId}},
        {cls + L"\\TypeLib", {nullptr, GuidString(LIBID_WexlinCipherLib)}},
        {ProgIdKey(), {nullptr, kClassName}},
        {ProgIdKey() + L"\\CLSID", {nullptr, clsid}},
    };
    for (const auto& [key, value] : values) {
        const HRESULT hr = SetString(key, value.first, value.second);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT RegisterTypeLibrary(const std::wstring& path) {
    win32::ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put());
    if (FAILED(hr)) return hr;
    return RegisterTypeLib(library.Get(), const_cast<OLECHAR*>(path.c_str()), nullptr);
}

#ifdef _WIN64
constexpr SYSKIND kSysKind = SYS_WIN64;
#else
constexpr SYSKIND kSysKind = SYS_WIN32;
#endif

}  // namespace

HRESULT RegisterServer() {
    const std::wstring path = ModulePath();
    if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
    HRESULT hr = RegisterClassKeys(path);
    if (SUCCEEDED(hr)) hr = RegisterTypeLibrary(path);
    if (FAILED(hr)) UnregisterServer();  // leave nothing half-written
    return hr;
}

HRESULT UnregisterServer() {
    // The type library's own keys (TypeLib and Interface entries) go the way they came;
    // UnRegisterTypeLib fails when there is nothing to remove, so ask only when there is.
    HRESULT typelib = S_OK;
    if (KeyExists(std::wstring(kClasses) + L"\\TypeLib\\" + GuidString(LIBID_WexlinCipherLib) + L"\\1.0"))
        typelib = UnRegisterTypeLib(LIBID_WexlinCipherLib, 1, 0, LOCALE_NEUTRAL, kSysKind);
    const HRESULT cls = DeleteTree(ClassKey());
    const HRESULT progid = DeleteTree(ProgIdKey());
    if (FAILED(typelib)) return typelib;
    if (FAILED(cls)) return cls;
    return progid;
}

}  // namespace wexlin_cipher
