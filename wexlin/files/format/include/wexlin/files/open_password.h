#pragma once
// The answer to the open prompt of a file that has a password.
#include <string_view>

namespace wexlin::files {

enum class OpenAnswer {
    Accepted,
    Empty,  // empty input or Cancel: "You can't Enter No Password!"
    Wrong,  // "Wrong Password!"
};

// Exact comparison, case included. An empty answer is Empty even against an empty stored
// password (length digit 0), so such a file never opens.
OpenAnswer CheckOpenAnswer(std::u16string_view stored_password, std::u16string_view answer);

}  // namespace wexlin::files
