#include "wexlin/files/decodedopen.h"

#include "line_rule.h"
#include "unicode.h"

namespace wexlin::files {

DecodedFile ReadDecodedFile(std::string_view file_bytes) {
    DecodedFile file;
    if (file_bytes.empty()) {
        file.status = DecodedReadStatus::EmptyFile;
        return file;
    }
    file.status = DecodedReadStatus::Loaded;
    // CR and LF are single bytes that never occur inside a UTF-8 or Windows-1252 character, so
    // those texts take the line rule as bytes, before or while they are widened.
    if (file_bytes.starts_with(kUtf8Mark)) {
        file.encoding = TextEncoding::Utf8;
        file.text = FromUtf8(JoinLines(file_bytes.substr(kUtf8Mark.size())));
    } else if (file_bytes.starts_with(kUtf16LeMark)) {
        file.encoding = TextEncoding::Utf16Le;
        file.text = JoinLines(FromUtf16Le(file_bytes.substr(kUtf16LeMark.size())));
    } else {
        file.encoding = TextEncoding::Windows1252;
        file.text = JoinLinesFromWindows1252(file_bytes);
    }
    return file;
}

}  // namespace wexlin::files
