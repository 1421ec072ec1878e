#include "wexlin/files/encodedsave.h"

#include <cstdint>

#include "password_header.h"
#include "wexlin/files/windows1252.h"

namespace wexlin::files {
namespace {

constexpr std::size_t kMaxPasswordLength = 9;
constexpr std::uint8_t kMaxPasswordCode = 245;  // 255 once moved up by 10
constexpr std::uint8_t kBecomesCr = '\r' - 10;   // its stored form would end the header's line

bool Storable(char16_t c) {
    const std::optional<std::uint8_t> byte = Windows1252Byte(c);
    return byte && *byte <= kMaxPasswordCode && *byte != kBecomesCr;
}

}  // namespace

SavePassword CheckSavePassword(std::u16string_view answer) {
    if (answer.empty()) return {SavePasswordStatus::Empty, {}};
    if (answer.size() > kMaxPasswordLength) return {SavePasswordStatus::TooLong, {}};
    for (char16_t c : answer) {
        if (!Storable(c)) return {SavePasswordStatus::Unstorable, {}};
    }
    // "none" gets the header of the four letters themselves, which is the no-password marker.
    return {SavePasswordStatus::Accepted, MakePasswordHeader(answer)};
}

std::optional<std::string> EncodedFileBytes(std::string_view header, std::u16string_view encoded_text) {
    std::string file;
    file.reserve(header.size() + encoded_text.size() + 2);
    file.append(header);
    for (char16_t c : encoded_text) {
        const std::optional<std::uint8_t> byte = Windows1252Byte(c);
        if (!byte) return std::nullopt;
        file.push_back(static_cast<char>(*byte));
    }
    file.append("\r\n");
    return file;
}

}  // namespace wexlin::files
