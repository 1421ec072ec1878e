#pragma once
// A dropped file list as the shell makes it (CF_HDROP): DROPFILES, then each name ended by a
// NUL, then one more NUL. The caller owns the memory (or hands it to whoever takes the drop).
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace wexlin::testing {

inline HGLOBAL MakeDropFiles(const std::vector<std::wstring>& files) {
    size_t chars = 1;
    for (const std::wstring& f : files) chars += f.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& f : files) {
        f.copy(names, f.size());
        names += f.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

}  // namespace wexlin::testing
