// The settings store against the real registry of the test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings_store.h"
#include "win32/unique_handle.h"

namespace {

using wexlin::ReadSetting;
using wexlin::WriteSetting;

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, wexlin::kSettingsKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, wexlin::kSettingsKey); }

    // Reads a value straight from the registry, bypassing the store.
    static bool RawValue(const wchar_t* name, DWORD& type, std::wstring& text) {
        DWORD bytes = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, wexlin::kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                         &bytes) != ERROR_SUCCESS)
            return false;
        text.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegGetValueW(HKEY_CURRENT_USER, wexlin::kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, text.data(),
                         &bytes) != ERROR_SUCCESS)
            return false;
        text.resize(wcsnlen(text.c_str(), text.size()));
        return true;
    }
};

TEST_F(SettingsStore, MissingKeyAndMissingStoreReadAsEmpty) {
    EXPECT_EQ(ReadSetting(L"Name"), L"");
    WriteSetting(L"Email", L"a@b.example");
    EXPECT_EQ(ReadSetting(L"Name"), L"");
}

TEST_F(SettingsStore, WrittenTextsReadBackExactly) {
    const std::wstring long_text(100000, L'x');
    struct Case {
        const wchar_t* key;
        std::wstring text;
    } cases[] = {
        {L"Name", L"Ann Example"},
        {L"Passwordf", L"s3cret"},
        {L"Other", L"Gr\u00FC\u00DFe \u4F60\u597D \U0001F600"},
        {L"Extra1", L"line one\r\nline two"},
        {L"Extra2", long_text},
    };
    for (const Case& c : cases) WriteSetting(c.key, c.text);
    for (const Case& c : cases) EXPECT_EQ(ReadSetting(c.key), c.text) << c.key;
}

TEST_F(SettingsStore, ValuesLiveAsStringsUnderTheProgramsKey) {
    WriteSetting(L"emailf", L"1");
    DWORD type = 0;
    std::wstring raw;
    ASSERT_TRUE(RawValue(L"emailf", type, raw));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw, L"1");
}

TEST_F(SettingsStore, WritingEmptyStoresAnEmptyValueAndKeepsTheKey) {
    WriteSetting(L"Name", L"Ann");
    WriteSetting(L"Name", L"");
    EXPECT_EQ(ReadSetting(L"Name"), L"");
    DWORD type = 0;
    std::wstring raw = L"not read";
    ASSERT_TRUE(RawValue(L"Name", type, raw)) << "the key must stay, holding an empty value";
    EXPECT_EQ(raw, L"");
}

TEST_F(SettingsStore, LaterWriteReplacesAndIsSeenAtTheNextRead) {
    WriteSetting(L"Webpage", L"first");
    EXPECT_EQ(ReadSetting(L"Webpage"), L"first");
    WriteSetting(L"Webpage", L"second, longer than the first");
    EXPECT_EQ(ReadSetting(L"Webpage"), L"second, longer than the first");
}

TEST_F(SettingsStore, ValuesWrittenByOthersAreReadSafely) {
    win32::UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wexlin::kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              key.Put(), nullptr),
              ERROR_SUCCESS);
    // A string stored without its terminating NUL.
    const wchar_t unterminated[] = {L'a', L'b', L'c'};
    RegSetValueExW(key.Get(), L"Extra3", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), sizeof unterminated);
    // A number where a text is expected.
    DWORD number = 7;
    RegSetValueExW(key.Get(), L"emailf", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    EXPECT_EQ(ReadSetting(L"Extra3"), L"abc");
    EXPECT_EQ(ReadSetting(L"emailf"), L"");
}

TEST_F(SettingsStore, AWriteTheRegistryRefusesIsIgnored) {
    // Value names are limited to 16383 characters; the write fails and must do no harm.
    const std::wstring too_long(20000, L'k');
    WriteSetting(too_long, L"value");
    EXPECT_EQ(ReadSetting(too_long), L"");
    WriteSetting(L"Name", L"still works");
    EXPECT_EQ(ReadSetting(L"Name"), L"still works");
}

}  // namespace
