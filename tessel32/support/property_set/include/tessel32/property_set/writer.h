// Writes saved property sets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "tessel32/property_set/property_value.h"

namespace tessel32 {

enum class WriteError {
    None,
    KeyTooLong,   // more characters than the 16-bit name length holds
    SetTooLarge,  // the set, a string or a picture beyond what the 32-bit fields and links hold
};

struct WriteResult {
    WriteError error = WriteError::None;
    std::vector<std::uint8_t> bytes;
    bool ok() const { return error == WriteError::None; }
};

// Lays out the entries exactly in the order given, keys lower-cased.
WriteResult EncodePropertySet(std::span<const PropertyEntry> entries);

// The container's side: its extent entries first, then the control's values in the order the
// control writes them, each left out when it equals the default the control gives with it.
class PropertySetWriter {
public:
    // The control's width and height in HIMETRIC units.
    PropertySetWriter(std::int32_t extent_x, std::int32_t extent_y);

    void WriteInt16(std::u16string_view key, std::int16_t value, std::int16_t default_value);
    void WriteInt32(std::u16string_view key, std::int32_t value, std::int32_t default_value);
    void WriteBoolean(std::u16string_view key, bool value, bool default_value);
    void WriteString(std::u16string_view key, std::u16string_view value,
                     std::u16string_view default_value);
    // A picture has no default: it is always stored.
    void WritePicture(std::u16string_view key, Picture value);

    const std::vector<PropertyEntry>& entries() const { return entries_; }
    WriteResult Finish() const { return EncodePropertySet(entries_); }

private:
    void Store(std::u16string_view key, PropertyValue value);

    std::vector<PropertyEntry> entries_;
};

}  // namespace tessel32
