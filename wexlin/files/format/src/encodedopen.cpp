#include "wexlin/files/encodedopen.h"

#include <utility>

#include "line_rule.h"
#include "password_header.h"

namespace wexlin::files {

EncodedFile ReadEncodedFile(std::string_view file_bytes) {
    EncodedFile file;
    std::u16string text = JoinLinesFromWindows1252(file_bytes);
    if (text.empty()) {
        file.status = EncodedReadStatus::NothingToLoad;
        return file;
    }
    PasswordHeader header = ReadPasswordHeader(text);
    switch (header.status) {
        case HeaderStatus::Corrupt:
            file.status = EncodedReadStatus::Corrupt;
            return file;
        case HeaderStatus::CodeBelow10:
            file.status = EncodedReadStatus::HeaderCodeBelow10;
            return file;
        case HeaderStatus::ShorterThanHeader:
            file.status = EncodedReadStatus::ShorterThanHeader;
            return file;
        case HeaderStatus::Ok:
            break;
    }
    file.status = EncodedReadStatus::Loaded;
    file.needs_password = header.needs_password;
    file.stored_password = std::move(header.password);
    text.erase(0, header.length);
    file.body = std::move(text);
    return file;
}

}  // namespace wexlin::files
