#include <array>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

#include "bytes.h"
#include "cipher/base64.h"
#include "cipher/crc32.h"
#include "cipher/engine.h"
#include "cipher/utf8.h"
#include "payload.h"

namespace cipher {
namespace {

char16_t* PutLine(char16_t* out, std::u16string_view line) {
    std::memcpy(out, line.data(), line.size() * sizeof(char16_t));
    return out + line.size();
}

// Text units that fit a result: the largest string the sink could be asked for.
constexpr std::uint64_t kMaxUnits = std::numeric_limits<std::size_t>::max() / sizeof(char16_t) / 2;
// The 32-bit block counter covers this many 64-byte blocks from its first value on.
constexpr std::uint64_t kMaxBlocks = (std::uint64_t{1} << 32) - kFirstCounter;

// The text's bytes, checked, encrypted and written, one cache-sized piece at a time.
void EncodeText(std::u16string_view text, Crc32& crc, ChaCha20& chacha, Base64LineWriter& base64) {
    std::array<std::uint8_t, kPieceBytes> piece;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = EncodeUtf8(text, pos, piece.data(), piece.size());
        crc.Update(piece.data(), n);
        chacha.Apply(piece.data(), n);
        base64.Put(piece.data(), n);
    }
}

}  // namespace

void Encode(std::u16string_view text, const Nonce& nonce, TextSink& out) {
    const std::uint64_t plain_bytes = Utf8Length(text);
    if (plain_bytes > kMaxBlocks * 64) throw std::bad_alloc();  // too long to encrypt
    const std::uint64_t payload_bytes = kHeaderBytes + plain_bytes + kCheckBytes;
    const std::uint64_t length =
        kBeginLine.size() + 2 + Base64LineWriter::OutputLength(payload_bytes) + kEndLine.size();
    if (length > kMaxUnits) throw std::bad_alloc();

    char16_t* const start = out.Reserve(static_cast<std::size_t>(length));
    char16_t* o = PutLine(start, kBeginLine);
    *o++ = u'\r';
    *o++ = u'\n';
    Base64LineWriter base64(o);

    std::array<std::uint8_t, kHeaderBytes> header;
    header[0] = kPayloadVersion;
    std::memcpy(header.data() + 1, nonce.data(), nonce.size());
    base64.Put(header.data(), header.size());

    Crc32 crc;
    ChaCha20 chacha(kEngineKey, nonce, kFirstCounter);
    EncodeText(text, crc, chacha, base64);
    std::array<std::uint8_t, kCheckBytes> check;
    StoreLe32(check.data(), crc.Value());
    base64.Put(check.data(), check.size());

    o = PutLine(base64.Finish(), kEndLine);
    if (o != start + length) throw std::logic_error("cipher: encoded length miscounted");
}

}  // namespace cipher
