#include "testing/temp_folder.h"

#include <algorithm>

#include "win32/unique_handle.h"

namespace wexlin::testing {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    static unsigned counter = 0;
    for (;;) {
        folder_ = std::wstring(base) + L"wexlin-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                  std::to_wstring(++counter);
        if (CreateDirectoryW(folder_.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() {
    for (const std::wstring& name : Files()) {
        SetFileAttributesW(Path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(Path(name).c_str());
    }
    RemoveDirectoryW(folder_.c_str());
}

void TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
    win32::UniqueFile file(
        CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string TempFolder::Read(const std::wstring& name) const {
    win32::UniqueFile file(CreateFileW(Path(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    return bytes;
}

bool TempFolder::Exists(const std::wstring& name) const {
    return GetFileAttributesW(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> TempFolder::Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace wexlin::testing
