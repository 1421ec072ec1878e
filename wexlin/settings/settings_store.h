#pragma once
// The per-user store of named text values that survive the program. Every reader asks the store
// at the moment it needs a value; nothing is cached, so a written value is seen at the next read.
#include <string>
#include <string_view>

namespace wexlin {

// Registry key (under HKEY_CURRENT_USER) that holds one REG_SZ value per setting.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Harbwick\\Wexlin";

// The text stored under key; empty when the key has never been written or cannot be read.
std::wstring ReadSetting(std::wstring_view key);

// Stores text under key, creating or replacing it. An empty text is stored as an empty value.
// A store that cannot be written is ignored: the program gives no message for it.
void WriteSetting(std::wstring_view key, std::wstring_view text);

}  // namespace wexlin
