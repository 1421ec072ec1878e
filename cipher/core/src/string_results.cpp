// The engine with std::u16string results, for callers that have no buffer of their own.
#include <string>

#include "cipher/engine.h"

namespace cipher {
namespace {

class StringSink final : public TextSink {
public:
    explicit StringSink(std::u16string& s) : s_(s) {}
    char16_t* Reserve(std::size_t length) override {
        s_.resize(length);
        return s_.data();
    }

private:
    std::u16string& s_;
};

}  // namespace

std::u16string Encode(std::u16string_view text, const Nonce& nonce) {
    std::u16string result;
    StringSink sink(result);
    Encode(text, nonce, sink);
    return result;
}

Decoded Decode(std::u16string_view encoded) {
    Decoded result{Status::Corrupt, {}};
    StringSink sink(result.text);
    result.status = Decode(encoded, sink);
    return result;
}

}  // namespace cipher
