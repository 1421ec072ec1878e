#pragma once
// Writing a text file: the decoded pane's text followed by CR LF.
#include <string>
#include <string_view>

namespace wexlin::files {

// Windows-1252 when it holds the whole text; otherwise UTF-8 behind a byte order mark, so no
// character is lost. Also UTF-8 when the Windows-1252 bytes would begin like a byte order mark
// ("ï»¿" or "ÿþ"), which would make the file read back as something else. A text with a
// surrogate lacking its partner, which UTF-8 cannot carry, goes as UTF-16 LE behind its mark.
std::string DecodedFileBytes(std::u16string_view text);

}  // namespace wexlin::files
