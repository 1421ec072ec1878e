#pragma once
// Strings cross to the ANSI routines in the system's ANSI code page, NULs included.
#include <string>
#include <string_view>

namespace tessel32::shell {

std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);

}  // namespace tessel32::shell
