// Both writers on any UTF-16 text: what they write reads back as the text, a lone CR as CR LF.
// The first byte says how many of the following UTF-16 units are the .wxl password (0 to 10, so
// empty and too long answers come too); the rest is the text. The .wxl writer may refuse a text
// that Windows-1252 cannot hold, and only such a text; an accepted password must read back.
#include <algorithm>

#include "fuzz_checks.h"
#include "wexlin/files/decodedopen.h"
#include "wexlin/files/decodedsave.h"
#include "wexlin/files/encodedopen.h"
#include "wexlin/files/encodedsave.h"
#include "wexlin/files/windows1252.h"

using namespace wexlin::files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::u16string units = AsUtf16(data + 1, size - 1);
    const std::size_t split = std::min<std::size_t>(data[0] % 11, units.size());
    const std::u16string password = units.substr(0, split);
    const std::u16string text = units.substr(split);
    const std::u16string expected = WithLoneCrAsCrLf(text);

    const DecodedFile decoded = ReadDecodedFile(DecodedFileBytes(text));
    Require(decoded.status == DecodedReadStatus::Loaded);
    Require(decoded.text == expected);

    const SavePassword checked = CheckSavePassword(password);
    if (checked.status != SavePasswordStatus::Accepted) return 0;
    Require(!password.empty() && password.size() <= 9 && FitsWindows1252(password));
    const auto wxl = EncodedFileBytes(checked.header, text);
    Require(wxl.has_value() == FitsWindows1252(text));
    if (!wxl) return 0;
    const EncodedFile encoded = ReadEncodedFile(*wxl);
    Require(encoded.status == EncodedReadStatus::Loaded);
    Require(encoded.needs_password == (password != u"none"));
    Require(encoded.stored_password == password);
    Require(encoded.body == expected);
    return 0;
}
