#pragma once
// Reading a file of the previous format for the converter: the password header of a .wxl file,
// then the plain text with every character code raised by 9, its line breaks stored as the
// codes 22 19. A real line break in the file (CR LF or a lone CR) is a line break too.
#include <string>
#include <string_view>

namespace wexlin::files {

enum class OldFormatReadStatus {
    Loaded,             // needs_password, stored_password and plain_text hold the file
    NothingToLoad,      // no characters, or nothing but a line break: end without a message
    Corrupt,            // the first character does not stand for a digit
    HeaderCodeBelow10,  // read failure: a header character cannot be moved down by 10
    ShorterThanHeader,  // read failure: the text ends inside the header it announces
    BodyCodeBelow9,     // read failure: a body character cannot be moved down by 9
};

struct OldFormatFile {
    OldFormatReadStatus status = OldFormatReadStatus::NothingToLoad;
    bool needs_password = false;  // false when the file stores "none"
    std::u16string stored_password;
    std::u16string plain_text;  // line breaks as CR LF
};

OldFormatFile ReadOldFormatFile(std::string_view file_bytes);

}  // namespace wexlin::files
