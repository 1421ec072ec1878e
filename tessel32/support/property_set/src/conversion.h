// Conversion of a stored value to the type a reader asks for, the way the host's variants
// convert: numbers and Booleans into each other, decimal text into numbers and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tessel32/property_set/property_value.h"

namespace tessel32 {

std::optional<std::int16_t> ToInt16(const PropertyValue& value);
std::optional<std::int32_t> ToInt32(const PropertyValue& value);
std::optional<bool> ToBoolean(const PropertyValue& value);
std::optional<std::u16string> ToText(const PropertyValue& value);
std::optional<Picture> ToPicture(const PropertyValue& value);

}  // namespace tessel32
