// A saved property set as read, with lookup by key and conversion to the asked type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tessel32/property_set/property_value.h"

namespace tessel32 {

enum class LookupStatus {
    Found,           // the stored value, converted to the asked type
    Missing,         // no entry for the key: the default
    NotConvertible,  // an entry exists but its value has no form in the asked type
};

template <class T>
struct LookupResult {
    LookupStatus status;
    T value;  // the default when the status is not Found
    bool ok() const { return status != LookupStatus::NotConvertible; }
};

class PropertySet {
public:
    PropertySet() = default;
    explicit PropertySet(std::vector<PropertyEntry> entries) : entries_(std::move(entries)) {}

    const std::vector<PropertyEntry>& entries() const { return entries_; }

    // The first entry whose key equals `key` without regard to case, or null.
    const PropertyValue* Find(std::u16string_view key) const;

    LookupResult<std::int16_t> ReadInt16(std::u16string_view key, std::int16_t default_value) const;
    LookupResult<std::int32_t> ReadInt32(std::u16string_view key, std::int32_t default_value) const;
    LookupResult<bool> ReadBoolean(std::u16string_view key, bool default_value) const;
    LookupResult<std::u16string> ReadString(std::u16string_view key,
                                            std::u16string_view default_value) const;
    LookupResult<Picture> ReadPicture(std::u16string_view key) const;

private:
    std::vector<PropertyEntry> entries_;
};

}  // namespace tessel32
