#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "block.h"
#include "bytes.h"
#include "cipher/crc32.h"
#include "cipher/engine.h"
#include "cipher/utf8.h"
#include "payload.h"

namespace cipher {
namespace {

// Decrypts and checks a payload of `size` bytes and hands its text to out.
Status OpenPayload(std::uint8_t* payload, std::size_t size, bool intact, TextSink& out) {
    if (size < kHeaderBytes + kCheckBytes || payload[0] != kPayloadVersion) {
        out.Reserve(0);  // without a known header there is nothing to decrypt
        return Status::Corrupt;
    }
    Nonce nonce;
    std::memcpy(nonce.data(), payload + 1, nonce.size());
    std::uint8_t* const plain = payload + kHeaderBytes;
    const std::size_t plain_size = size - kHeaderBytes - kCheckBytes;

    ChaCha20 chacha(kEngineKey, nonce, kFirstCounter);
    Crc32 crc;
    for (std::size_t done = 0; done < plain_size;) {  // a piece at a time while it is in the cache
        const std::size_t n = std::min(kPieceBytes, plain_size - done);
        chacha.Apply(plain + done, n);
        crc.Update(plain + done, n);
        done += n;
    }
    const bool check_ok = crc.Value() == LoadLe32(plain + plain_size);

    // A checked text is well-formed, and its length can be counted quickly; only a corrupt
    // one needs a second pass with the length that decoding found.
    const std::size_t guess = ValidUtf16Length(plain, plain_size);
    Utf16Size decoded = DecodeUtf8(plain, plain_size, out.Reserve(guess), guess);
    if (decoded.length != guess) decoded = DecodeUtf8(plain, plain_size, out.Reserve(decoded.length), decoded.length);
    return intact && check_ok && decoded.valid ? Status::Ok : Status::Corrupt;
}

}  // namespace

Status Decode(std::u16string_view encoded, TextSink& out) {
    const std::size_t body = FindBody(encoded);
    if (body == std::u16string_view::npos) {
        out.Reserve(0);
        return Status::Corrupt;
    }
    const auto payload = std::make_unique_for_overwrite<std::uint8_t[]>(MaxBodyBytes(encoded, body));
    const Body read = ReadBody(encoded, body, payload.get());
    return OpenPayload(payload.get(), read.bytes, read.intact, out);
}

Status DecodeInPlace(std::span<char16_t> encoded, TextSink& out) {
    const std::u16string_view text(encoded.data(), encoded.size());
    const std::size_t body = FindBody(text);
    if (body == std::u16string_view::npos) {
        out.Reserve(0);
        return Status::Corrupt;
    }
    // The payload goes to the start of the text's memory (unsigned char may alias it).
    auto* const payload = reinterpret_cast<std::uint8_t*>(encoded.data());
    const Body read = ReadBody(text, body, payload);
    return OpenPayload(payload, read.bytes, read.intact, out);
}

}  // namespace cipher
