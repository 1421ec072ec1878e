#include "password_header.h"

#include <algorithm>
#include <cstdint>

#include "wexlin/files/windows1252.h"

namespace wexlin::files {
namespace {

constexpr int kShift = 10;

}  // namespace

PasswordHeader ReadPasswordHeader(std::u16string_view text) {
    PasswordHeader header;
    const auto code = [&](std::size_t i) { return Windows1252Byte(text[i]).value_or(0); };

    if (code(0) < kShift) {
        header.status = HeaderStatus::CodeBelow10;
        return header;
    }
    const int digit = code(0) - kShift - '0';
    if (digit < 0 || digit > 9) {
        header.status = HeaderStatus::Corrupt;
        return header;
    }
    const auto n = static_cast<std::size_t>(digit);
    const std::size_t available = std::min(n, text.size() - 1);
    header.password.reserve(available);
    for (std::size_t i = 1; i <= available; ++i) {
        if (code(i) < kShift) {
            header.status = HeaderStatus::CodeBelow10;
            return header;
        }
        header.password.push_back(Windows1252Char(static_cast<std::uint8_t>(code(i) - kShift)));
    }
    if (available < n) {
        header.status = HeaderStatus::ShorterThanHeader;
        return header;
    }
    header.status = HeaderStatus::Ok;
    header.needs_password = header.password != u"none";
    header.length = n + 1;
    return header;
}

std::string MakePasswordHeader(std::u16string_view password) {
    std::string header;
    header.reserve(password.size() + 1);
    header.push_back(static_cast<char>('0' + password.size() + kShift));
    for (char16_t c : password) header.push_back(static_cast<char>(*Windows1252Byte(c) + kShift));
    return header;
}

}  // namespace wexlin::files
