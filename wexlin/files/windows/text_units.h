#pragma once
// The panes hold wchar_t text and the file formats char16_t text: both are UTF-16 on Windows.
#include <string>
#include <string_view>

namespace wexlin::files {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");

inline std::u16string ToU16(std::wstring_view text) { return {text.begin(), text.end()}; }
inline std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }

}  // namespace wexlin::files
