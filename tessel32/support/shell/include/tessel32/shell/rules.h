#pragma once
// The portable rules of the shell, directory and dialog functions: text handling that
// needs no Windows, so that it is tested natively. Strings here are in whatever code unit the
// caller holds (the Windows side hands ANSI bytes, as the routines it calls take them).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessel32::shell {

// Buffers for paths and file names handed to the system: large enough for any full path the ANSI
// routines return (MAX_PATH), more than the 255 characters of the original.
inline constexpr std::size_t kPathChars = 260;

// StripNul (module Ini_File_Mod): the text up to its first NUL character, or all of it.
template <class Char>
std::basic_string<Char> StripNul(std::basic_string_view<Char> text) {
    return std::basic_string<Char>(text.substr(0, text.find(Char{0})));
}
std::string StripNul(const std::string& text);
std::wstring StripNul(const std::wstring& text);

// Trim: the text without the spaces (only spaces) at its start and end.
template <class Char>
std::basic_string_view<Char> TrimSpaces(std::basic_string_view<Char> text) {
    const std::size_t first = text.find_first_not_of(Char{' '});
    if (first == std::basic_string_view<Char>::npos) return {};
    return text.substr(first, text.find_last_not_of(Char{' '}) - first + 1);
}

// RunFile's verb: the empty string (the file's default action) when the last three characters of
// the name, with surrounding spaces removed, are exactly "lnk" (case matters); otherwise "Open".
std::wstring_view RunFileVerb(std::wstring_view file_name);

// IsNtPlatform's reading of OSVERSIONINFO's dwPlatformId: 0 (Win32s) and 2 (Windows NT) give
// True, 1 (Windows 95 family) and anything else False.
bool IsNtPlatformId(std::uint32_t platform_id);

// A file dialog filter as the system reads it: pairs of description and pattern, each ended by
// NUL, the list ended by a second NUL.
std::string MakeFilter(const std::vector<std::pair<std::string, std::string>>& pairs);
// The filter a caller handed over (its parts already NUL-separated), made safe to hand to the
// dialog: it always ends in two NULs, so the dialog never reads past it. An empty filter stays
// empty (no filter at all).
std::string TerminateFilter(std::string_view filter);

// The file name buffer of a file dialog: the start file, NUL-filled to at least kPathChars, and
// always with room for the start file and its NUL. Its size is the dialog's nMaxFile.
std::vector<char> FileNameBuffer(std::string_view start_file);

// What a file dialog hands back: the chosen path (the buffer up to its first NUL), the folder (its
// first offset characters, ending with a backslash) and the file name (the rest). An offset past
// the path's end, which no well-behaved dialog gives, makes the whole path the folder.
struct ChosenFile {
    std::string path;
    std::string folder;
    std::string file_name;
};
ChosenFile SplitChosenFile(std::string_view buffer, std::size_t file_offset);

}  // namespace tessel32::shell
