// The values a saved property set holds, and one stored entry.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tessel32 {

// The variant type numbers an entry carries in front of its value.
enum class ValueType : std::uint16_t {
    Int16 = 2,
    Int32 = 3,
    String = 8,
    Boolean = 11,
    Object = 13,  // a picture object, the only object the control saves
};

// A picture object as saved: the bytes of its picture file (a bitmap file for the strips).
struct Picture {
    std::vector<std::uint8_t> file;
    bool operator==(const Picture&) const = default;
};

using PropertyValue = std::variant<std::int16_t, std::int32_t, std::u16string, bool, Picture>;

ValueType TypeOf(const PropertyValue& value);

// One entry in writing order. The key is kept as stored: lower-cased.
struct PropertyEntry {
    std::u16string key;
    PropertyValue value;
    bool operator==(const PropertyEntry&) const = default;
};

}  // namespace tessel32
