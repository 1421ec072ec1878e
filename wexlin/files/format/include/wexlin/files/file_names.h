#pragma once
// The rules on file names that decide which pane a file goes to and which extension it gets.
// Only the last three characters of the whole name count, with or without a dot before them.
#include <string>
#include <string_view>

namespace wexlin::files {

// The last three characters are exactly letters (lower case as given), e.g. "wxl".
bool EndsInExactly(std::wstring_view name, std::wstring_view letters);

// The same, with the name's letters changed to lower case first ("WXL" and "Wxl" count).
bool EndsInFolded(std::wstring_view name, std::wstring_view letters);

// The name a save command writes to: the name as chosen when it ends in the letters in any
// case, otherwise the name with "." and the letters appended ("notes.txt" → "notes.txt.wxl").
std::wstring NameWithExtension(std::wstring_view name, std::wstring_view letters);

// The file name in the program's command line: the text whole, except that one pair of double
// quotes around all of it goes (the shell quotes names with spaces: "%1").
std::wstring CommandLineFileName(std::wstring_view command_line);

}  // namespace wexlin::files
