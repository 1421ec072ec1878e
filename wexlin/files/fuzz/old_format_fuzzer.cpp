// The old-format reader on any bytes. A file that loads must come back the same after the old
// format's own writing: its header, every plain character raised by 9, CR LF.
#include "fuzz_checks.h"
#include "wexlin/files/encodedsave.h"
#include "wexlin/files/old_format.h"
#include "wexlin/files/windows1252.h"

using namespace wexlin::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const OldFormatFile file = ReadOldFormatFile(AsBytes(data, size));
    RequireBounded(file.stored_password.size() + file.plain_text.size(), size);
    if (file.status != OldFormatReadStatus::Loaded) return 0;

    const SavePassword password = CheckSavePassword(file.needs_password ? file.stored_password : u"none");
    if (password.status != SavePasswordStatus::Accepted) return 0;
    const std::optional<std::string> plain = ToWindows1252(file.plain_text);
    Require(plain.has_value());
    std::string rewritten = password.header;
    for (char c : *plain) {
        const int raised = static_cast<unsigned char>(c) + 9;
        Require(raised <= 0xFF);
        rewritten.push_back(static_cast<char>(raised));
    }
    rewritten += "\r\n";
    const OldFormatFile again = ReadOldFormatFile(rewritten);
    Require(again.status == OldFormatReadStatus::Loaded);
    Require(again.needs_password == file.needs_password);
    Require(again.stored_password == file.stored_password);
    Require(again.plain_text == file.plain_text);
    return 0;
}
