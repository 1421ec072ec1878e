#pragma once
// Reading a .wxl file. The file is read line by line (CR LF or a lone CR ends a line, a lone LF
// stays in its line), the lines are joined by CR LF, then the password header is checked.
// Bad input gives a status, never an exception.
#include <string>
#include <string_view>

namespace wexlin::files {

enum class EncodedReadStatus {
    Loaded,             // needs_password, stored_password and body hold the file
    NothingToLoad,      // no characters, or nothing but a line break: end without a message
    Corrupt,            // the first character does not stand for a digit
    HeaderCodeBelow10,  // read failure: a header character cannot be moved down by 10
    ShorterThanHeader,  // read failure: the text ends inside the header it announces
};

struct EncodedFile {
    EncodedReadStatus status = EncodedReadStatus::NothingToLoad;
    // False when the file stores "none": the body loads without a prompt.
    bool needs_password = false;
    // Empty for a length digit of 0, so that no answer matches.
    std::u16string stored_password;
    std::u16string body;
};

EncodedFile ReadEncodedFile(std::string_view file_bytes);

}  // namespace wexlin::files
