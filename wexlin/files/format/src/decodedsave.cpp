#include "wexlin/files/decodedsave.h"

#include <optional>
#include <utility>

#include "unicode.h"
#include "wexlin/files/windows1252.h"

namespace wexlin::files {

std::string DecodedFileBytes(std::u16string_view text) {
    std::optional<std::string> single = ToWindows1252(text);
    if (single && !single->starts_with(kUtf8Mark) && !single->starts_with(kUtf16LeMark)) {
        single->append("\r\n");
        return std::move(*single);
    }
    std::string file;
    if (IsWellFormedUtf16(text)) {
        file.append(kUtf8Mark);
        AppendUtf8(text, file);
        file.append("\r\n");
    } else {
        file.append(kUtf16LeMark);
        AppendUtf16Le(text, file);
        AppendUtf16Le(u"\r\n", file);
    }
    return file;
}

}  // namespace wexlin::files
