#include "clock_text.h"

namespace wexlin {

std::wstring ShortDateText(const SYSTEMTIME& time) {
    wchar_t buffer[128];
    return GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, 128, nullptr) ? buffer
                                                                                                          : L"";
}

std::wstring TimeText(const SYSTEMTIME& time) {
    wchar_t buffer[128];
    return GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, buffer, 128) ? buffer : L"";
}

}  // namespace wexlin
