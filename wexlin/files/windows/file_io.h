#pragma once
// Whole-file reads and all-or-nothing writes. Each call opens, uses and closes its file.
#include <windows.h>

#include <string>
#include <string_view>

namespace wexlin::files {

struct FileBytes {
    DWORD error = ERROR_SUCCESS;  // the system's reason when the file could not be read
    std::string bytes;
};

FileBytes ReadWholeFile(const std::wstring& path);

// Replaces the file at path with bytes, or leaves it exactly as it was: the bytes go to a new
// file beside it, are flushed to disk, and that file then takes the old one's place in one
// step. On failure no temporary file is left behind. ERROR_SUCCESS or the system's reason.
DWORD ReplaceFileContents(const std::wstring& path, std::string_view bytes);

}  // namespace wexlin::files
