// The text-file reader on any bytes. A text it reads must save and read back unchanged.
#include "fuzz_checks.h"
#include "wexlin/files/decodedopen.h"
#include "wexlin/files/decodedsave.h"

using namespace wexlin::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const DecodedFile file = ReadDecodedFile(AsBytes(data, size));
    RequireBounded(file.text.size(), size);
    if (file.status != DecodedReadStatus::Loaded) {
        Require(size == 0);
        return 0;
    }
    const DecodedFile again = ReadDecodedFile(DecodedFileBytes(file.text));
    Require(again.status == DecodedReadStatus::Loaded);
    Require(again.text == file.text);
    return 0;
}
