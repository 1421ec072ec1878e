// The .wxl reader on any bytes. A file that loads must save back, with its own password, to a file
// that loads the same.
#include "fuzz_checks.h"
#include "wexlin/files/encodedopen.h"
#include "wexlin/files/encodedsave.h"

using namespace wexlin::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const EncodedFile file = ReadEncodedFile(AsBytes(data, size));
    RequireBounded(file.stored_password.size() + file.body.size(), size);
    if (file.status != EncodedReadStatus::Loaded) return 0;

    const SavePassword password = CheckSavePassword(file.needs_password ? file.stored_password : u"none");
    if (password.status != SavePasswordStatus::Accepted) return 0;  // e.g. digit 0: no password to give
    const auto saved = EncodedFileBytes(password.header, file.body);
    Require(saved.has_value());
    const EncodedFile again = ReadEncodedFile(*saved);
    Require(again.status == EncodedReadStatus::Loaded);
    Require(again.needs_password == file.needs_password);
    Require(again.stored_password == file.stored_password);
    Require(again.body == file.body);
    return 0;
}
