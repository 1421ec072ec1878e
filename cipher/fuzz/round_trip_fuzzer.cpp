// Encode then Decode gives back any UTF-16 text exactly, as printable ASCII in between.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "cipher/engine.h"
#include "fuzz_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cipher::Nonce nonce{};
    const std::size_t n = std::min(size, nonce.size());
    std::memcpy(nonce.data(), data, n);
    const std::u16string text = AsUtf16(data + n, size - n);

    const std::u16string encoded = cipher::Encode(text, nonce);
    for (char16_t c : encoded)
        if (!((c >= 0x20 && c <= 0x7E) || c == u'\r' || c == u'\n')) std::abort();
    const cipher::Decoded decoded = cipher::Decode(encoded);
    if (decoded.status != cipher::Status::Ok || decoded.text != text) std::abort();
    return 0;
}
