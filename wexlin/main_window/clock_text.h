#pragma once
// Dates and times as text, in the user's own formats.
#include <windows.h>

#include <string>

namespace wexlin {

// The user's short date format ("2/26/99").
std::wstring ShortDateText(const SYSTEMTIME& time);

// The user's time format, with seconds ("9:30:15 AM").
std::wstring TimeText(const SYSTEMTIME& time);

}  // namespace wexlin
