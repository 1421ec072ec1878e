// The engine by name through IDispatch, as a script or a late-bound caller uses it.
#include "com_support.h"

namespace {

DISPID IdOf(IDispatch* dispatch, const wchar_t* name) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK) << name;
    return id;
}

// Calls a method that takes one string by reference and returns a string.
std::wstring CallByName(IDispatch* dispatch, const wchar_t* name, const std::wstring& argument) {
    win32::Bstr text = MakeBstr(argument);
    BSTR slot = text.Get();
    VARIANTARG arg;
    VariantInit(&arg);
    arg.vt = VT_BSTR | VT_BYREF;
    arg.pbstrVal = &slot;
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO exception{};
    UINT bad_arg = 0;
    const HRESULT hr = dispatch->Invoke(IdOf(dispatch, name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                        &result, &exception, &bad_arg);
    EXPECT_EQ(hr, S_OK) << name;
    EXPECT_EQ(result.vt, VT_BSTR) << name;
    std::wstring out = result.vt == VT_BSTR && result.bstrVal ? std::wstring(result.bstrVal, SysStringLen(result.bstrVal)) : L"";
    VariantClear(&result);
    EXPECT_EQ(slot, text.Get()) << "the engine leaves the string it is given in place";
    return out;
}

LONG StatusByName(IDispatch* dispatch) {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(dispatch->Invoke(IdOf(dispatch, L"Status"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                               &result, nullptr, nullptr),
              S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    return result.vt == VT_I4 ? result.lVal : -1;
}

win32::ComPtr<IDispatch> CreateDispatch() {
    win32::ComPtr<IDispatch> dispatch;
    EXPECT_EQ(CoCreateInstance(CLSID_CipherEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, dispatch.PutVoid()),
              S_OK);
    return dispatch;
}

TEST(CipherDispatch, NamesAndTableSlotsComeFromTheTypeLibrary) {
    auto dispatch = CreateDispatch();
    ASSERT_TRUE(dispatch);
    UINT count = 0;
    ASSERT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(IdOf(dispatch.Get(), L"Status"), 1);
    EXPECT_EQ(IdOf(dispatch.Get(), L"encode"), 2);  // names are case-insensitive
    EXPECT_EQ(IdOf(dispatch.Get(), L"Decode"), 3);
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Encrypt")};
    DISPID id = 0;
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, unknown, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);

    // Status, Encode and Decode fill slots 7, 8 and 9 of the table.
    win32::ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Put()), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_EQ(attr->guid, IID_ICipherEngine);
    const WORD functions = attr->cFuncs;
    info->ReleaseTypeAttr(attr);
    const std::pair<DISPID, int> slots[] = {{1, 7}, {2, 8}, {3, 9}};
    int found = 0;
    for (WORD i = 0; i < functions; ++i) {
        FUNCDESC* desc = nullptr;
        ASSERT_EQ(info->GetFuncDesc(i, &desc), S_OK);
        for (const auto& [dispid, slot] : slots) {
            if (desc->memid == dispid) {
                EXPECT_EQ(desc->oVft, slot * static_cast<int>(sizeof(void*))) << "dispid " << dispid;
                ++found;
            }
        }
        info->ReleaseFuncDesc(desc);
    }
    EXPECT_EQ(found, 3);
}

TEST(CipherDispatch, RoundTripAndStatusByName) {
    auto dispatch = CreateDispatch();
    ASSERT_TRUE(dispatch);
    EXPECT_EQ(StatusByName(dispatch.Get()), 0);
    const std::wstring encoded = CallByName(dispatch.Get(), L"Encode", kMessage);
    EXPECT_EQ(encoded.substr(0, 35), L"-----BEGIN WEXLIN ENCODED TEXT-----");
    EXPECT_EQ(CallByName(dispatch.Get(), L"Decode", encoded), kMessage);
    EXPECT_EQ(StatusByName(dispatch.Get()), 0);

    std::wstring damaged = encoded;
    damaged.resize(damaged.size() - 60);  // end line and more cut off
    CallByName(dispatch.Get(), L"Decode", damaged);
    EXPECT_EQ(StatusByName(dispatch.Get()), 2);
}

}  // namespace
