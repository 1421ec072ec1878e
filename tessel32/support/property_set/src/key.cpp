#include "tessel32/property_set/key.h"

namespace tessel32 {
namespace {

char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

std::u16string LowerKey(std::u16string_view key) {
    std::u16string out(key);
    for (char16_t& c : out) c = Lower(c);
    return out;
}

bool KeysEqual(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

std::uint32_t KeyHash(std::u16string_view key) {
    std::uint32_t h = 0;
    for (char16_t c : key) h = ((h << 13) | (h >> 19)) ^ Lower(c);
    return h;
}

}  // namespace tessel32
