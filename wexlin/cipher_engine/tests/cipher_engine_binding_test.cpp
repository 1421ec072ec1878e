// Binding the cipher engine: through its registration, and from the program folder when the
// class is not registered (a folder copied to another machine).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "cipher_engine.h"
#include "testing/engine_registration.h"
#include "win32/ole_scope.h"
#include "win32/bstr.h"

namespace {

using wexlin::CipherEngineSource;
using wexlin::CreateCipherEngine;

using wexlin::testing::FolderWithoutEngine;
using wexlin::testing::UnregisteredEngine;

std::wstring EngineDllPath() { return wexlin::ProgramFolder() + L"\\" + wexlin::kCipherEngineDll; }

std::wstring RoundTrip(wexlin::CipherEngineInstance& engine, const std::wstring& text) {
    win32::Bstr input(text), encoded, decoded;
    BSTR io = input.Detach();
    EXPECT_EQ(engine->Encode(&io, encoded.Put()), S_OK);
    SysFreeString(io);
    io = encoded.Detach();
    EXPECT_EQ(engine->Decode(&io, decoded.Put()), S_OK);
    SysFreeString(io);
    long status = -1;
    EXPECT_EQ(engine->get_Status(&status), S_OK);
    EXPECT_EQ(status, 0);
    return std::wstring(decoded.View());
}

class CipherEngineBinding : public ::testing::Test {
protected:
    win32::OleScope ole_;
};

TEST_F(CipherEngineBinding, RegisteredClassIsCreatedByClassId) {
    ASSERT_EQ(ole_.Result(), S_OK);
    auto engine = CreateCipherEngine(FolderWithoutEngine());
    ASSERT_TRUE(engine) << std::hex << engine.Error();
    EXPECT_EQ(engine.Source(), CipherEngineSource::Registered);
    EXPECT_EQ(RoundTrip(engine, L"registered\r\nengine"), L"registered\r\nengine");
}

TEST_F(CipherEngineBinding, UnregisteredClassIsLoadedFromTheProgramFolder) {
    UnregisteredEngine unregistered;
    ASSERT_EQ(unregistered.Result(), S_OK);
    {
        auto engine = CreateCipherEngine(wexlin::ProgramFolder());
        ASSERT_TRUE(engine) << std::hex << engine.Error();
        EXPECT_EQ(engine.Source(), CipherEngineSource::ProgramFolder);
        EXPECT_EQ(RoundTrip(engine, L"from the folder"), L"from the folder");
    }
    EXPECT_EQ(GetModuleHandleW(EngineDllPath().c_str()), nullptr) << "the DLL must go with its last instance";
}

TEST_F(CipherEngineBinding, NeitherRegisteredNorBesideTheProgramIsAFailure) {
    UnregisteredEngine unregistered;
    ASSERT_EQ(unregistered.Result(), S_OK);
    auto engine = CreateCipherEngine(FolderWithoutEngine());
    EXPECT_FALSE(engine);
    EXPECT_EQ(engine.Source(), CipherEngineSource::None);
    EXPECT_EQ(engine.Error(), REGDB_E_CLASSNOTREG);
}

}  // namespace
