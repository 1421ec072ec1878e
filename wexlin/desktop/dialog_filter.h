#pragma once
// File dialog filters are written "Description|pattern|Description|pattern|"; the dialog wants
// the same pairs separated by NULs and ended by two.
#include <string>
#include <string_view>

namespace wexlin {

inline std::wstring DialogFilterString(std::wstring_view filter) {
    if (filter.empty()) return {};
    std::wstring result(filter);
    for (wchar_t& c : result)
        if (c == L'|') c = L'\0';
    if (result.back() != L'\0') result.push_back(L'\0');  // a filter without its closing bar
    result.push_back(L'\0');
    return result;
}

}  // namespace wexlin
