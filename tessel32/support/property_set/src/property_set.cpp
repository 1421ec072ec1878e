#include "tessel32/property_set/property_set.h"

#include "conversion.h"
#include "tessel32/property_set/key.h"

namespace tessel32 {
namespace {

template <class T, class Convert>
LookupResult<T> Lookup(const PropertyValue* stored, T default_value, Convert convert) {
    if (!stored) return {LookupStatus::Missing, std::move(default_value)};
    auto converted = convert(*stored);
    if (!converted) return {LookupStatus::NotConvertible, std::move(default_value)};
    return {LookupStatus::Found, std::move(*converted)};
}

}  // namespace

const PropertyValue* PropertySet::Find(std::u16string_view key) const {
    for (const PropertyEntry& entry : entries_) {
        if (KeysEqual(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

LookupResult<std::int16_t> PropertySet::ReadInt16(std::u16string_view key,
                                                  std::int16_t default_value) const {
    return Lookup(Find(key), default_value, ToInt16);
}

LookupResult<std::int32_t> PropertySet::ReadInt32(std::u16string_view key,
                                                  std::int32_t default_value) const {
    return Lookup(Find(key), default_value, ToInt32);
}

LookupResult<bool> PropertySet::ReadBoolean(std::u16string_view key, bool default_value) const {
    return Lookup(Find(key), default_value, ToBoolean);
}

LookupResult<std::u16string> PropertySet::ReadString(std::u16string_view key,
                                                     std::u16string_view default_value) const {
    return Lookup(Find(key), std::u16string(default_value), ToText);
}

LookupResult<Picture> PropertySet::ReadPicture(std::u16string_view key) const {
    return Lookup(Find(key), Picture{}, ToPicture);
}

}  // namespace tessel32
