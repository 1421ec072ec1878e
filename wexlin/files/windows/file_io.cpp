#include "file_io.h"

#include <limits>

#include "win32/unique_handle.h"

namespace wexlin::files {
namespace {

// The folder part of path, with its trailing separator; "." when path names no folder.
std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return path.size() >= 2 && path[1] == L':' ? path.substr(0, 2) : L".\\";
    return path.substr(0, slash + 1);
}

DWORD WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 26));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        bytes.remove_prefix(written);
    }
    return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

}  // namespace

FileBytes ReadWholeFile(const std::wstring& path) {
    FileBytes result;
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        result.error = GetLastError();
        return result;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        result.error = GetLastError();
        return result;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > std::numeric_limits<size_t>::max() / 2) {
        result.error = ERROR_NOT_ENOUGH_MEMORY;
        return result;
    }
    try {
        result.bytes.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        result.error = ERROR_NOT_ENOUGH_MEMORY;
        return result;
    }
    size_t done = 0;
    while (done < result.bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(result.bytes.size() - done, 1u << 26));
        DWORD read = 0;
        if (!ReadFile(file.Get(), result.bytes.data() + done, chunk, &read, nullptr)) {
            result.error = GetLastError();
            result.bytes.clear();
            return result;
        }
        if (read == 0) break;  // the file shrank while it was read
        done += read;
    }
    result.bytes.resize(done);
    return result;
}

DWORD ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
    // A target that cannot be replaced (read-only, a folder) must fail before anything is written.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return ERROR_ACCESS_DENIED;

    std::wstring temporary(MAX_PATH + 1, L'\0');
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"wxl", 0, temporary.data())) return GetLastError();
    temporary.resize(wcslen(temporary.c_str()));

    DWORD error = ERROR_SUCCESS;
    {
        win32::UniqueFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        error = file ? WriteAll(file.Get(), bytes) : GetLastError();
    }
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS) DeleteFileW(temporary.c_str());
    return error;
}

}  // namespace wexlin::files
