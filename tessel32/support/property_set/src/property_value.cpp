#include "tessel32/property_set/property_value.h"

namespace tessel32 {

ValueType TypeOf(const PropertyValue& value) {
    struct {
        ValueType operator()(std::int16_t) const { return ValueType::Int16; }
        ValueType operator()(std::int32_t) const { return ValueType::Int32; }
        ValueType operator()(const std::u16string&) const { return ValueType::String; }
        ValueType operator()(bool) const { return ValueType::Boolean; }
        ValueType operator()(const Picture&) const { return ValueType::Object; }
    } type_of;
    return std::visit(type_of, value);
}

}  // namespace tessel32
