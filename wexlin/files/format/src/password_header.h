#pragma once
// The front of a .wxl or old-format file: the length digit and the password, each character
// moved up by 10. Shared by the readers of both formats.
#include <cstddef>
#include <string>
#include <string_view>

namespace wexlin::files {

// The length character and at most nine password characters.
inline constexpr std::size_t kLongestHeader = 10;

enum class HeaderStatus { Ok, Corrupt, CodeBelow10, ShorterThanHeader };

struct PasswordHeader {
    HeaderStatus status = HeaderStatus::Corrupt;
    bool needs_password = false;
    std::u16string password;
    std::size_t length = 0;  // the length character and the password characters
};

// text is the file's text after the line rule, read as Windows-1252, and must not be empty;
// its first kLongestHeader characters are enough. Codes are those of the bytes the characters stand for.
PasswordHeader ReadPasswordHeader(std::u16string_view text);

// The header of a password that CheckSavePassword has accepted.
std::string MakePasswordHeader(std::u16string_view password);

}  // namespace wexlin::files
