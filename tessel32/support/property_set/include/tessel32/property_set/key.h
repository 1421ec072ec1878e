// Keys of a saved property set: stored lower-cased, matched without regard to case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel32 {

// Keys are the control's ASCII property names; only A-Z change case.
std::u16string LowerKey(std::u16string_view key);
bool KeysEqual(std::u16string_view a, std::u16string_view b);

// h = 0; for each character of the lower-cased key: h = rotl(h, 13) ^ character.
std::uint32_t KeyHash(std::u16string_view key);

}  // namespace tessel32
