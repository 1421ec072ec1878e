#pragma once
// Creating the outside cipher engine: by its class id when it is registered, else straight from
// WexlinCipher.dll in the program's folder, so that a copied folder works without registration.
#include <windows.h>

#include <string>

#include "CipherEngine.h"
#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace wexlin {

inline constexpr wchar_t kCipherEngineDll[] = L"WexlinCipher.dll";

enum class CipherEngineSource { None, Registered, ProgramFolder };

// One engine instance, for one command run. When the engine was loaded from the program folder,
// its DLL stays loaded exactly as long as the instance.
class CipherEngineInstance {
public:
    CipherEngineInstance() = default;
    CipherEngineInstance(CipherEngineInstance&&) = default;
    CipherEngineInstance& operator=(CipherEngineInstance&&) = default;
    ~CipherEngineInstance() { engine_.Reset(); }  // the engine goes before its module

    static CipherEngineInstance Failed(HRESULT error);
    static CipherEngineInstance FromRegistration(win32::ComPtr<ICipherEngine> engine);
    static CipherEngineInstance FromModule(win32::UniqueModule module, win32::ComPtr<ICipherEngine> engine);

    explicit operator bool() const { return static_cast<bool>(engine_); }
    ICipherEngine* operator->() const { return engine_.Get(); }
    // Why creation failed; S_OK when there is an engine.
    HRESULT Error() const { return error_; }
    CipherEngineSource Source() const { return source_; }

private:
    win32::UniqueModule module_;
    win32::ComPtr<ICipherEngine> engine_;
    HRESULT error_ = S_OK;
    CipherEngineSource source_ = CipherEngineSource::None;
};

// A new engine instance; fallback_folder is where WexlinCipher.dll is looked for when the
// class is not registered (the program's own folder in production).
CipherEngineInstance CreateCipherEngine(const std::wstring& fallback_folder);

// The folder that holds the running executable, without a trailing backslash.
std::wstring ProgramFolder();

}  // namespace wexlin
