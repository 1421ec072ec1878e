#pragma once
// Windows-1252, fixed rather than the machine's ANSI code page, so that a file reads the same on
// every machine. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number, so every byte has a character and any
// file's bytes read back to themselves.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wexlin::files {

char16_t Windows1252Char(std::uint8_t byte);

// The byte that stands for c, or nothing when Windows-1252 cannot hold c.
std::optional<std::uint8_t> Windows1252Byte(char16_t c);

bool FitsWindows1252(std::u16string_view text);

// Nothing when text holds a character that Windows-1252 cannot hold.
std::optional<std::string> ToWindows1252(std::u16string_view text);

std::u16string FromWindows1252(std::string_view bytes);

}  // namespace wexlin::files
