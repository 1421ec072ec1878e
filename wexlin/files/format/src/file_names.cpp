#include "wexlin/files/file_names.h"

namespace wexlin::files {
namespace {

wchar_t FoldAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool EndsIn(std::wstring_view name, std::wstring_view letters, bool fold) {
    if (name.size() < letters.size()) return false;
    const std::wstring_view tail = name.substr(name.size() - letters.size());
    for (size_t i = 0; i < letters.size(); ++i)
        if ((fold ? FoldAscii(tail[i]) : tail[i]) != letters[i]) return false;
    return true;
}

}  // namespace

bool EndsInExactly(std::wstring_view name, std::wstring_view letters) { return EndsIn(name, letters, false); }

bool EndsInFolded(std::wstring_view name, std::wstring_view letters) { return EndsIn(name, letters, true); }

std::wstring NameWithExtension(std::wstring_view name, std::wstring_view letters) {
    std::wstring result(name);
    if (!EndsInFolded(name, letters)) {
        result += L'.';
        result += letters;
    }
    return result;
}

std::wstring CommandLineFileName(std::wstring_view command_line) {
    if (command_line.size() >= 2 && command_line.front() == L'"' && command_line.back() == L'"')
        command_line = command_line.substr(1, command_line.size() - 2);
    return std::wstring(command_line);
}

}  // namespace wexlin::files
