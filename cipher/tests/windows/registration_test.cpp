// What the test prefix's regsvr32 wrote, and that DllUnregisterServer takes away exactly that
// and DllRegisterServer puts it back.
#include <cwctype>

#include "com_support.h"
#include "win32/unique_handle.h"

namespace {

const std::wstring kClasses = L"Software\\Classes\\";
const std::wstring kClassKey = kClasses + L"CLSID\\" + GuidText(CLSID_CipherEngine);
const std::wstring kProgIdKey = kClasses + L"Wexlin.CipherEngine";
const std::wstring kTypeLibKey = kClasses + L"TypeLib\\" + GuidText(LIBID_WexlinCipherLib);
const std::wstring kInterfaceKey = kClasses + L"Interface\\" + GuidText(IID_ICipherEngine);

bool KeyExists(const std::wstring& key) {
    win32::UniqueRegKey handle;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, handle.Put()) == ERROR_SUCCESS;
}

std::wstring StringValue(const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

DWORD SubkeyCount(const std::wstring& key) {
    win32::UniqueRegKey handle;
    DWORD count = 0;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, handle.Put()) == ERROR_SUCCESS)
        RegQueryInfoKeyW(handle.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr);
    return count;
}

std::wstring Lower(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

// The server DLL next to the test, loaded as COM loads it.
win32::UniqueModule LoadServer() { return win32::UniqueModule(LoadLibraryW(L"WexlinCipher.dll")); }

std::wstring ModulePath(HMODULE module) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
    return std::wstring(path, n);
}

void ExpectRegistered(const std::wstring& server_path) {
    EXPECT_EQ(StringValue(kClassKey), L"Wexlin Cipher Engine");
    EXPECT_EQ(Lower(StringValue(kClassKey + L"\\InprocServer32")), Lower(server_path));
    EXPECT_EQ(StringValue(kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(StringValue(kClassKey + L"\\ProgID"), L"Wexlin.CipherEngine");
    EXPECT_EQ(StringValue(kClassKey + L"\\TypeLib"), GuidText(LIBID_WexlinCipherLib));
    EXPECT_EQ(StringValue(kProgIdKey + L"\\CLSID"), GuidText(CLSID_CipherEngine));
    EXPECT_TRUE(KeyExists(kTypeLibKey + L"\\1.0"));
    EXPECT_TRUE(KeyExists(kInterfaceKey));

    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"Wexlin.CipherEngine", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_CipherEngine);
    LPOLESTR progid = nullptr;
    ASSERT_EQ(ProgIDFromCLSID(CLSID_CipherEngine, &progid), S_OK);
    EXPECT_STREQ(progid, L"Wexlin.CipherEngine");
    CoTaskMemFree(progid);

    win32::ComPtr<ITypeLib> library;
    EXPECT_EQ(LoadRegTypeLib(LIBID_WexlinCipherLib, 1, 0, LOCALE_NEUTRAL, library.Put()), S_OK);
}

TEST(CipherRegistration, ServerIsRegisteredAndCreatableByClassAndProgId) {
    const win32::UniqueModule server = LoadServer();
    ASSERT_TRUE(server);
    ExpectRegistered(ModulePath(server.Get()));

    win32::ComPtr<ICipherEngine> by_class = CreateEngine();
    EXPECT_TRUE(by_class);
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(L"Wexlin.CipherEngine", &clsid), S_OK);
    win32::ComPtr<IUnknown> by_progid;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, by_progid.PutVoid()), S_OK);
    win32::ComPtr<ICipherEngine> engine;
    EXPECT_EQ(by_progid.As(engine), S_OK);
}

TEST(CipherRegistration, UnregisterRemovesExactlyItsKeysAndRegisterRestoresThem) {
    const win32::UniqueModule server = LoadServer();
    ASSERT_TRUE(server);
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto entry = [&](const char* name) {
        return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(server.Get(), name)));
    };
    const Entry unregister_server = entry("DllUnregisterServer");
    const Entry register_server = entry("DllRegisterServer");
    ASSERT_NE(unregister_server, nullptr);
    ASSERT_NE(register_server, nullptr);
    // Other tests need the server registered, however this one ends.
    struct Reregister {
        Entry entry;
        ~Reregister() { entry(); }
    } reregister{register_server};

    const std::wstring parents[] = {L"Software\\Classes", kClasses + L"CLSID", kClasses + L"TypeLib",
                                    kClasses + L"Interface"};
    DWORD before[4];
    for (int i = 0; i < 4; ++i) before[i] = SubkeyCount(parents[i]);

    ASSERT_EQ(unregister_server(), S_OK);
    for (const std::wstring& key : {kClassKey, kProgIdKey, kTypeLibKey, kInterfaceKey}) EXPECT_FALSE(KeyExists(key));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(SubkeyCount(parents[i]), before[i] - 1) << "under " << std::string(parents[i].begin(), parents[i].end());
    win32::ComPtr<ICipherEngine> engine;
    EXPECT_EQ(CoCreateInstance(CLSID_CipherEngine, nullptr, CLSCTX_INPROC_SERVER, IID_ICipherEngine, engine.PutVoid()),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(unregister_server(), S_OK) << "unregistering twice is no failure";

    ASSERT_EQ(register_server(), S_OK);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(SubkeyCount(parents[i]), before[i]);
    ExpectRegistered(ModulePath(server.Get()));
    EXPECT_TRUE(CreateEngine());
}

TEST(CipherRegistration, CanUnloadOnlyWhenNothingIsAlive) {
    const win32::UniqueModule server = LoadServer();
    ASSERT_TRUE(server);
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto can_unload =
        reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(server.Get(), "DllCanUnloadNow")));
    ASSERT_NE(can_unload, nullptr);
    {
        win32::ComPtr<ICipherEngine> engine = CreateEngine();
        ASSERT_TRUE(engine);
        EXPECT_EQ(can_unload(), S_FALSE);
    }
    EXPECT_EQ(can_unload(), S_OK);
    win32::ComPtr<IClassFactory> factory;
    ASSERT_EQ(CoGetClassObject(CLSID_CipherEngine, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.PutVoid()),
              S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(can_unload(), S_FALSE);
    ASSERT_EQ(CoGetClassObject(CLSID_CipherEngine, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.PutVoid()),
              S_OK);
    factory->LockServer(FALSE);
    factory.Reset();
    EXPECT_EQ(can_unload(), S_OK);
}

}  // namespace
