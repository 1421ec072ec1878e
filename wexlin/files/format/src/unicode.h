#pragma once
// UTF-8 and UTF-16 LE for text files that Windows-1252 cannot carry.
#include <string>
#include <string_view>

namespace wexlin::files {

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
inline constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// No surrogate without its partner.
bool IsWellFormedUtf16(std::u16string_view text);

// text must be well-formed.
void AppendUtf8(std::u16string_view text, std::string& out);
void AppendUtf16Le(std::u16string_view text, std::string& out);

// Each ill-formed part (the longest beginning of a sequence that could still have been
// well-formed, or a single byte) reads as one U+FFFD; so does an odd last byte of UTF-16.
std::u16string FromUtf8(std::string_view bytes);
std::u16string FromUtf16Le(std::string_view bytes);

}  // namespace wexlin::files
