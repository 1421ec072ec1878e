#pragma once
// Writing a .wxl file: the password header (the length digit and the password, every character
// moved up by 10), the encoded text unchanged, CR LF. All in Windows-1252.
#include <optional>
#include <string>
#include <string_view>

namespace wexlin::files {

enum class SavePasswordStatus {
    Accepted,    // header is the file's password header
    Empty,       // the answer was empty (or the prompt cancelled): the save ends
    TooLong,     // more than 9 characters: the prompt is shown again
    Unstorable,  // a character Windows-1252 cannot hold, one above code 245, or one whose
                 // moved code would be a CR and end the header's line: the prompt again
};

struct SavePassword {
    SavePasswordStatus status;
    std::string header;  // only when Accepted
};

// The answer of the save prompt. "none" (exactly so) means no password; its header is the
// no-password marker, bytes 62 120 121 120 111. "None" or "NONE" are ordinary passwords.
SavePassword CheckSavePassword(std::u16string_view answer);

// The whole file for a header from CheckSavePassword. Nothing when encoded_text holds a
// character that Windows-1252 cannot hold: such a file could not be written without loss.
std::optional<std::string> EncodedFileBytes(std::string_view header, std::u16string_view encoded_text);

}  // namespace wexlin::files
