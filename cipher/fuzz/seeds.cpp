// Writes the fuzzers' seed corpus: encoded texts in the forms a receiver pastes, both as
// single bytes and as UTF-16LE, plus a few plain texts for the round trip.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cipher/engine.h"

namespace {

void Write(const std::string& dir, const std::string& name, const std::string& bytes) {
    const std::string path = dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

std::string Narrow(const std::u16string& s) { return {s.begin(), s.end()}; }  // ASCII only

std::string Utf16Le(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::u16string Quoted(const std::u16string& s) {
    std::u16string out = u"> ";
    for (char16_t c : s) {
        out += c;
        if (c == u'\n') out += u"> ";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::filesystem::create_directories(dir);

    const std::vector<std::u16string> texts = {
        u"",
        u"Hello\r\nWorld",
        u"caf\u00E9 \u65E5\u672C \U0001F600 \xD800 lone",
        u"Dear Ann,\r\nsee you on Thursday.\r\n\r\nBob",
    };
    cipher::Nonce nonce{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        nonce[0] = static_cast<std::uint8_t>(i);
        const std::u16string encoded = cipher::Encode(texts[i], nonce);
        const std::string n = std::to_string(i);
        Write(dir, "encoded-" + n + ".txt", Narrow(encoded));
        Write(dir, "encoded-" + n + ".utf16", Utf16Le(encoded));
        Write(dir, "quoted-" + n + ".txt", Narrow(Quoted(encoded)));
        Write(dir, "mail-" + n + ".txt", "Hi,\n\n" + Narrow(encoded) + "\n\n-- \nBob\n");
        Write(dir, "plain-" + n + ".utf16", std::string(12, '\x01') + Utf16Le(texts[i]));
    }
    return 0;
}
