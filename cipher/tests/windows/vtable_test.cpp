// The engine through the interface's table, as the program calls it.
#include "com_support.h"

namespace {

struct Call {
    HRESULT hr;
    win32::Bstr result;
};

Call Encode(ICipherEngine* engine, const std::wstring& text) {
    win32::Bstr in = MakeBstr(text);
    BSTR arg = in.Get();
    Call c{};
    c.hr = engine->Encode(&arg, c.result.Put());
    return c;
}

Call Decode(ICipherEngine* engine, const std::wstring& text) {
    win32::Bstr in = MakeBstr(text);
    BSTR arg = in.Get();
    Call c{};
    c.hr = engine->Decode(&arg, c.result.Put());
    return c;
}

LONG StatusOf(ICipherEngine* engine) {
    LONG status = -1;
    EXPECT_EQ(engine->get_Status(&status), S_OK);
    return status;
}

TEST(CipherVtable, RoundTripKeepsLineBreaksAndNonAsciiText) {
    auto engine = CreateEngine();
    ASSERT_TRUE(engine);
    EXPECT_EQ(StatusOf(engine.Get()), 0);  // before any Decode

    const Call encoded = Encode(engine.Get(), kMessage);
    ASSERT_EQ(encoded.hr, S_OK);
    EXPECT_EQ(encoded.result.View().substr(0, 35), L"-----BEGIN WEXLIN ENCODED TEXT-----");
    for (wchar_t c : encoded.result.View()) ASSERT_TRUE((c >= 0x20 && c < 0x7F) || c == L'\r' || c == L'\n');

    // decoded by another instance, as the program's Decode command makes its own
    auto other = CreateEngine();
    const Call decoded = Decode(other.Get(), std::wstring(encoded.result.View()));
    ASSERT_EQ(decoded.hr, S_OK);
    EXPECT_EQ(decoded.result.View(), kMessage);
    EXPECT_EQ(StatusOf(other.Get()), 0);
}

TEST(CipherVtable, EachEncodeUsesAFreshNonce) {
    auto engine = CreateEngine();
    const Call a = Encode(engine.Get(), kMessage);
    const Call b = Encode(engine.Get(), kMessage);
    ASSERT_EQ(a.hr, S_OK);
    ASSERT_EQ(b.hr, S_OK);
    EXPECT_NE(a.result.View(), b.result.View());
}

TEST(CipherVtable, StatusFollowsTheLastDecode) {
    auto engine = CreateEngine();
    std::wstring encoded(Encode(engine.Get(), kMessage).result.View());
    std::wstring damaged = encoded;
    damaged[40] = damaged[40] == L'x' ? L'y' : L'x';

    const Call bad = Decode(engine.Get(), damaged);
    EXPECT_EQ(bad.hr, S_OK);
    EXPECT_EQ(StatusOf(engine.Get()), 2);
    EXPECT_NE(bad.result.Get(), nullptr);  // what could be decrypted, possibly garbled

    EXPECT_EQ(Decode(engine.Get(), encoded).result.View(), kMessage);
    EXPECT_EQ(StatusOf(engine.Get()), 0);

    const Call none = Decode(engine.Get(), L"Hello, this is not encoded.");
    EXPECT_EQ(none.hr, S_OK);
    EXPECT_EQ(none.result.Length(), 0u);
    EXPECT_EQ(StatusOf(engine.Get()), 2);
}

TEST(CipherVtable, NullStringIsTheEmptyText) {
    auto engine = CreateEngine();
    BSTR null_text = nullptr;
    win32::Bstr encoded;
    ASSERT_EQ(engine->Encode(&null_text, encoded.Put()), S_OK);
    BSTR arg = encoded.Get();
    win32::Bstr decoded;
    ASSERT_EQ(engine->Decode(&arg, decoded.Put()), S_OK);
    EXPECT_NE(decoded.Get(), nullptr);
    EXPECT_EQ(decoded.Length(), 0u);
    EXPECT_EQ(StatusOf(engine.Get()), 0);
}

TEST(CipherVtable, NullPointersAreRefused) {
    auto engine = CreateEngine();
    win32::Bstr in = MakeBstr(L"x");
    BSTR arg = in.Get();
    BSTR out = reinterpret_cast<BSTR>(1);  // must be cleared, not left dangling
    EXPECT_EQ(engine->Encode(nullptr, &out), E_POINTER);
    EXPECT_EQ(engine->Encode(&arg, nullptr), E_POINTER);
    EXPECT_EQ(engine->Decode(nullptr, &out), E_POINTER);
    EXPECT_EQ(engine->Decode(&arg, nullptr), E_POINTER);
    EXPECT_EQ(engine->get_Status(nullptr), E_POINTER);
}

}  // namespace
