// Writes the fuzzers' seed corpora from readable texts: .wxl files with passwords of each kind,
// old-format files, text files in each encoding, and for the writers a password length, then
// the password and the text as raw UTF-16.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "wexlin/files/decodedsave.h"
#include "wexlin/files/encodedsave.h"

namespace {

using namespace wexlin::files;

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
        std::perror(path.string().c_str());
        std::exit(1);
    }
}

std::string Utf16Le(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}


const std::u16string kTexts[] = {
    u"Dear Sam,\r\nthe meeting moves to Thursday.\r\nRegards\r\n",
    u"-----BEGIN WEXLIN ENCODED TEXT-----\r\nAQIDBAUGBwgJCgsMDQ4PEBESExQVFhcYGRobHB0eHyAhIiMkJSYnKCkqKywtLi8w\r\n"
    u"-----END WEXLIN ENCODED TEXT-----",
    u"one line without a break",
    u"mixed\rbreaks\nin\r\none text\r",
    u"",
    u"\r\n",
    u"caf\u00E9, na\u00EFve, 12 \u20AC \u2014 \u201Cquoted\u201D",
    u"\u03A9mega \u4E2D\u6587 \U0001F600",
    u"\u00FF\u00FE looks like a mark",
    u"\u00EF\u00BB\u00BF looks like a mark too",
    u"lone \xD800 surrogate",
};

const std::u16string kPasswords[] = {u"none", u"None", u"a", u"abc", u"123456789", u"\u20AC\u00F5"};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const char* sub : {"encoded", "old_format", "decoded", "texts"}) {
        std::filesystem::create_directories(dir / sub);
    }

    int n = 0;
    for (const std::u16string& text : kTexts) {
        const std::string name = std::to_string(n++);
        Write(dir / "texts" / name, "\x03" + Utf16Le(u"Pw1" + text));
        Write(dir / "decoded" / name, DecodedFileBytes(text));
        Write(dir / "decoded" / (name + "-utf16"), "\xFF\xFE" + Utf16Le(text));
        for (std::size_t p = 0; p < std::size(kPasswords); ++p) {
            const std::string header = CheckSavePassword(kPasswords[p]).header;
            const std::string file = name + "-" + std::to_string(p);
            const auto length = static_cast<char>(kPasswords[p].size());
            Write(dir / "texts" / file, length + Utf16Le(kPasswords[p] + text));
            const auto wxl = EncodedFileBytes(header, text);
            if (!wxl) continue;
            Write(dir / "encoded" / file, *wxl);
            // The old format raises the plain text by 9, which codes above 246 cannot take.
            std::string old = header;
            for (char c : wxl->substr(header.size(), wxl->size() - header.size() - 2)) {
                const int raised = static_cast<unsigned char>(c) + 9;
                if (raised > 0xFF) break;
                old.push_back(static_cast<char>(raised));
            }
            Write(dir / "old_format" / file, old + "\r\n");
        }
    }
    // Headers the program never writes.
    const std::vector<std::string> odd = {":digit zero\r\n", "Kcorrupt\r\n", "=kl", "\x09" "below ten"};
    for (std::size_t i = 0; i < odd.size(); ++i) {
        Write(dir / "encoded" / ("odd-" + std::to_string(i)), odd[i]);
        Write(dir / "old_format" / ("odd-" + std::to_string(i)), odd[i]);
    }
    return 0;
}
