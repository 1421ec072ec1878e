// Decode on arbitrary input: no crash, no read out of bounds, the same answer in place as with
// a buffer of its own, and a result it calls good must survive another trip through the engine.
#include <cstdlib>

#include "cipher/engine.h"
#include "fuzz_text.h"

namespace {

struct Sink final : cipher::TextSink {
    std::u16string text;
    char16_t* Reserve(std::size_t length) override {
        text.resize(length);
        return text.data();
    }
};

void Check(const std::u16string& input) {
    const cipher::Decoded d = cipher::Decode(input);
    Sink in_place;
    std::u16string scratch = input;
    if (cipher::DecodeInPlace(scratch, in_place) != d.status || in_place.text != d.text) std::abort();
    if (d.status == cipher::Status::Corrupt) return;
    if (d.status != cipher::Status::Ok) std::abort();
    const cipher::Decoded again = cipher::Decode(cipher::Encode(d.text, cipher::Nonce{}));
    if (again.status != cipher::Status::Ok || again.text != d.text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(AsBytes(data, size));
    Check(AsUtf16(data, size));
    return 0;
}
