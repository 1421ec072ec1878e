// Times each file reader on a large file of its kind against reading the same file raw.
//   wexlin-files-bench DIR SIZE_MB
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "wexlin/files/decodedopen.h"
#include "wexlin/files/decodedsave.h"
#include "wexlin/files/encodedopen.h"
#include "wexlin/files/encodedsave.h"
#include "wexlin/files/old_format.h"

namespace {

using namespace wexlin::files;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;

[[noreturn]] void Fail(const std::string& what) {
    std::perror(what.c_str());
    std::exit(1);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::FILE* f = std::fopen(path.string().c_str(), "rb");
    if (!f) Fail(path.string());
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    if (got != bytes.size()) Fail(path.string());
    return bytes;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
        Fail(path.string());
    }
}

// Lines of readable text, numbered so that they differ, until the text has about `bytes` bytes
// in the encoding it will be saved in.
std::u16string Prose(std::size_t bytes, std::u16string_view sample, std::size_t bytes_per_unit) {
    std::u16string text;
    text.reserve(bytes / bytes_per_unit + 256);
    for (std::size_t line = 0; text.size() * bytes_per_unit < bytes; ++line) {
        for (char c : std::to_string(line)) text.push_back(static_cast<char16_t>(c));
        text.append(sample);
        text.append(line % 7 == 6 ? u"\r" : u"\r\n");  // now and then a lone CR
    }
    return text;
}

// Base64 lines between framing lines, as the cipher engine writes them.
std::u16string EncodedText(std::size_t bytes) {
    static constexpr char16_t kAlphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::u16string text = u"-----BEGIN WEXLIN ENCODED TEXT-----\r\n";
    text.reserve(bytes + 64);
    std::uint32_t state = 12345;
    while (text.size() < bytes) {
        for (int i = 0; i < 64; ++i) {
            state = state * 1103515245u + 12345u;
            text.push_back(kAlphabet[(state >> 16) & 63]);
        }
        text.append(u"\r\n");
    }
    text.append(u"-----END WEXLIN ENCODED TEXT-----");
    return text;
}

std::string Utf16LeFile(const std::u16string& text) {
    std::string out = "\xFF\xFE";
    out.reserve(2 + 2 * text.size() + 4);
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out + std::string("\r\0\n\0", 4);
}

std::string OldFormatFileBytes(std::size_t bytes) {
    std::string file = ">xyxo";
    const std::u16string plain = Prose(bytes, u" Gr\u00FC\u00DFe aus K\u00F6ln, caf\u00E9 12,50 \u20AC.", 1);
    const std::string single = DecodedFileBytes(plain);  // Windows-1252
    file.reserve(file.size() + single.size());
    for (char c : single.substr(0, single.size() - 2)) {
        file.push_back(static_cast<char>(static_cast<unsigned char>(c) + 9));
    }
    return file + "\r\n";
}

double Best(const std::function<std::size_t()>& run) {
    double best = 1e300;
    volatile std::size_t sink = 0;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        sink = sink + run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void Measure(const char* name, const std::filesystem::path& path,
             const std::function<std::size_t(const std::string&)>& reader) {
    const double mb = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    ReadFile(path);  // into the page cache
    const double raw = Best([&] { return ReadFile(path).size(); });
    const double read = Best([&] { return reader(ReadFile(path)); });
    std::printf("%-22s %8.1f %12.0f %12.0f %10.2f\n", name, mb, mb / raw, mb / read, read / raw);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DIR SIZE_MB\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const std::size_t size = static_cast<std::size_t>(std::atof(argv[2]) * 1e6);
    std::filesystem::create_directories(dir);

    const auto wxl = dir / "encoded.wxl";
    const auto old = dir / "old-format.wxl";
    const auto western = dir / "text-windows1252.txt";
    const auto utf8 = dir / "text-utf8.txt";
    const auto utf16 = dir / "text-utf16.txt";
    WriteFile(wxl, *EncodedFileBytes(CheckSavePassword(u"abc").header, EncodedText(size)));
    WriteFile(old, OldFormatFileBytes(size));
    WriteFile(western, DecodedFileBytes(Prose(size, u" Gr\u00FC\u00DFe aus K\u00F6ln, caf\u00E9 12,50 \u20AC.", 1)));
    WriteFile(utf8, DecodedFileBytes(Prose(size, u" \u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 and some ASCII words", 1)));
    WriteFile(utf16, Utf16LeFile(Prose(size, u" \u4F60\u597D\uFF0C\u4E16\u754C and ASCII", 2)));

    std::printf("%-22s %8s %12s %12s %10s\n", "file", "MB", "raw MB/s", "reader MB/s", "reader/raw");
    Measure("encodedopen .wxl", wxl, [](const std::string& b) { return ReadEncodedFile(b).body.size(); });
    Measure("old format", old, [](const std::string& b) { return ReadOldFormatFile(b).plain_text.size(); });
    Measure("decodedopen 1252", western, [](const std::string& b) { return ReadDecodedFile(b).text.size(); });
    Measure("decodedopen UTF-8", utf8, [](const std::string& b) { return ReadDecodedFile(b).text.size(); });
    Measure("decodedopen UTF-16", utf16, [](const std::string& b) { return ReadDecodedFile(b).text.size(); });
    return 0;
}
