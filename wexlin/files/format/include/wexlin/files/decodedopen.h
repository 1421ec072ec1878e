#pragma once
// Reading a text file: a UTF-8 or UTF-16 LE byte order mark says how it is written, otherwise
// it is Windows-1252. The lines (CR LF or a lone CR ends one, a lone LF stays in its line) are
// joined by CR LF, so a lone CR reads as CR LF and the final line break goes.
#include <string>
#include <string_view>

namespace wexlin::files {

enum class TextEncoding { Windows1252, Utf8, Utf16Le };

enum class DecodedReadStatus {
    Loaded,
    EmptyFile,  // read failure: the file holds no bytes at all
};

struct DecodedFile {
    DecodedReadStatus status = DecodedReadStatus::EmptyFile;
    TextEncoding encoding = TextEncoding::Windows1252;
    // Ill-formed UTF-8 or UTF-16 reads as U+FFFD.
    std::u16string text;
};

DecodedFile ReadDecodedFile(std::string_view file_bytes);

}  // namespace wexlin::files
