#pragma once
// How the readers see a file: line by line, a line ending at CR LF or at a lone CR (a lone LF
// stays in its line), each line followed by a line break, and the last two characters dropped.
// So every line break becomes `line_break`, except one that ends the text, which goes.
#include <string>
#include <string_view>

namespace wexlin::files {

struct LineBreak {
    char16_t first;
    char16_t second;
};

inline constexpr LineBreak kCrLf = {u'\r', u'\n'};

// Linear in the text's size; the result is never more than twice as long.
std::string JoinLines(std::string_view text, LineBreak line_break = kCrLf);
std::u16string JoinLines(std::u16string_view text, LineBreak line_break = kCrLf);

// JoinLines and FromWindows1252 in one pass, without the joined bytes in between.
std::u16string JoinLinesFromWindows1252(std::string_view bytes);

}  // namespace wexlin::files
