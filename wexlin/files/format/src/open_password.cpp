#include "wexlin/files/open_password.h"

namespace wexlin::files {

OpenAnswer CheckOpenAnswer(std::u16string_view stored_password, std::u16string_view answer) {
    if (answer.empty()) return OpenAnswer::Empty;
    return answer == stored_password ? OpenAnswer::Accepted : OpenAnswer::Wrong;
}

}  // namespace wexlin::files
