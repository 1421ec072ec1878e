#pragma once
// Helpers shared by the COM tests.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <string>

#include "CipherEngine.h"
#include "win32/bstr.h"
#include "win32/com_ptr.h"

inline win32::ComPtr<ICipherEngine> CreateEngine() {
    win32::ComPtr<ICipherEngine> engine;
    const HRESULT hr = CoCreateInstance(CLSID_CipherEngine, nullptr, CLSCTX_INPROC_SERVER, IID_ICipherEngine,
                                        engine.PutVoid());
    EXPECT_EQ(hr, S_OK);
    return engine;
}

inline std::wstring GuidText(REFGUID guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return text;
}

// A text with every kind of line break and characters well outside ASCII.
inline const std::wstring kMessage =
    L"Line one\r\nL\u00EDnea dos \u2014 \u7B2C\u4E09\u884C \U0001F600\nthree\rfour\r\n\r\nend";

inline win32::Bstr MakeBstr(const std::wstring& s) { return win32::Bstr(s); }
