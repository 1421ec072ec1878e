// wexlin-cipher-cli encode|decode IN OUT
// Reads IN as UTF-8 text, holds it as UTF-16 as the program's pane does, runs the engine and
// writes the result as UTF-8. decode exits with the engine's status (0 good, 2 corrupt).
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "big_buffer.h"
#include "cipher/engine.h"
#include "cipher/utf8.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::size_t kChunk = 1 << 20;

struct Text {
    BigBuffer<char16_t> units;
    std::size_t length = 0;
};

// The whole file as UTF-16, converted as it is read; ill-formed bytes become U+FFFD.
bool ReadText(const char* path, Text& text) {
    File f(std::fopen(path, "rb"));
    if (!f || std::fseek(f.get(), 0, SEEK_END) != 0) return false;
    const long size = std::ftell(f.get());
    if (size < 0 || std::fseek(f.get(), 0, SEEK_SET) != 0) return false;
    const std::size_t capacity = static_cast<std::size_t>(size);  // a byte gives a unit at most
    text.units = BigBuffer<char16_t>(capacity);
    std::vector<std::uint8_t> chunk(kChunk + 3);
    std::size_t held = 0;  // bytes of an unfinished character from the previous chunk
    for (;;) {
        const std::size_t got = std::fread(chunk.data() + held, 1, kChunk, f.get());
        const std::size_t have = held + got;
        const bool last = got < kChunk;
        const std::size_t whole = last ? have : cipher::Utf8SplitPoint(chunk.data(), have);
        text.length += cipher::DecodeUtf8(chunk.data(), whole, text.units.data() + text.length, capacity - text.length).length;
        held = have - whole;
        std::memmove(chunk.data(), chunk.data() + whole, held);
        if (last) return !std::ferror(f.get());
    }
}

bool WriteText(const char* path, std::u16string_view text) {
    File f(std::fopen(path, "wb"));
    if (!f) return false;
    std::vector<std::uint8_t> chunk(kChunk);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = cipher::EncodeUtf8(text, pos, chunk.data(), chunk.size());
        if (std::fwrite(chunk.data(), 1, n, f.get()) != n) return false;
    }
    return std::fclose(f.release()) == 0;
}

class BufferSink final : public cipher::TextSink {
public:
    char16_t* Reserve(std::size_t length) override {
        buffer_ = BigBuffer<char16_t>(length);
        length_ = length;
        return buffer_.data();
    }
    std::u16string_view View() const { return {buffer_.data(), length_}; }

private:
    BigBuffer<char16_t> buffer_;
    std::size_t length_ = 0;
};

cipher::Nonce RandomNonce() {
    std::random_device random;
    cipher::Nonce nonce;
    for (std::size_t i = 0; i < nonce.size(); i += 4) {
        const unsigned v = random();
        for (std::size_t k = 0; k < 4; ++k) nonce[i + k] = static_cast<std::uint8_t>(v >> (8 * k));
    }
    return nonce;
}

int Usage() {
    std::fprintf(stderr, "usage: wexlin-cipher-cli encode|decode IN OUT\n");
    return 64;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return Usage();
    const bool encode = std::strcmp(argv[1], "encode") == 0;
    if (!encode && std::strcmp(argv[1], "decode") != 0) return Usage();

    Text text;
    if (!ReadText(argv[2], text)) {
        std::perror(argv[2]);
        return 1;
    }
    BufferSink result;
    cipher::Status status = cipher::Status::Ok;
    if (encode) {
        cipher::Encode({text.units.data(), text.length}, RandomNonce(), result);
    } else {
        // The encoded text is not needed afterwards: let the engine work in its memory.
        status = cipher::DecodeInPlace(std::span(text.units.data(), text.length), result);
    }
    text = Text();
    if (!WriteText(argv[3], result.View())) {
        std::perror(argv[3]);
        return 1;
    }
    if (status != cipher::Status::Ok) std::fprintf(stderr, "wexlin-cipher-cli: the encoded text is corrupt\n");
    return static_cast<int>(status);
}
