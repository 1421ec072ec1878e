#include "wexlin/files/old_format.h"

#include <utility>

#include "line_rule.h"
#include "password_header.h"
#include "wexlin/files/windows1252.h"

namespace wexlin::files {
namespace {

constexpr char kBodyShift = 9;
// CR LF raised by 9: how the old format stores a line break of the plain text.
constexpr LineBreak kStoredLineBreak = {u'\r' + kBodyShift, u'\n' + kBodyShift};

}  // namespace

OldFormatFile ReadOldFormatFile(std::string_view file_bytes) {
    OldFormatFile file;
    std::string text = JoinLines(file_bytes, kStoredLineBreak);
    if (text.empty()) {
        file.status = OldFormatReadStatus::NothingToLoad;
        return file;
    }
    PasswordHeader header = ReadPasswordHeader(FromWindows1252(std::string_view(text).substr(0, kLongestHeader)));
    switch (header.status) {
        case HeaderStatus::Corrupt:
            file.status = OldFormatReadStatus::Corrupt;
            return file;
        case HeaderStatus::CodeBelow10:
            file.status = OldFormatReadStatus::HeaderCodeBelow10;
            return file;
        case HeaderStatus::ShorterThanHeader:
            file.status = OldFormatReadStatus::ShorterThanHeader;
            return file;
        case HeaderStatus::Ok:
            break;
    }
    // Moved down in place: the body is most of the file.
    for (std::size_t i = header.length; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code < kBodyShift) {
            file.status = OldFormatReadStatus::BodyCodeBelow9;
            return file;
        }
        text[i] = static_cast<char>(code - kBodyShift);
    }
    file.status = OldFormatReadStatus::Loaded;
    file.needs_password = header.needs_password;
    file.stored_password = std::move(header.password);
    file.plain_text = FromWindows1252(std::string_view(text).substr(header.length));
    return file;
}

}  // namespace wexlin::files
