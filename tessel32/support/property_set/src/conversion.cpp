#include "conversion.h"

#include <limits>

#include "tessel32/property_set/key.h"

namespace tessel32 {
namespace {

// A whole number: optional blanks, an optional sign, decimal digits, optional blanks.
std::optional<std::int64_t> ParseInteger(const std::u16string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    const std::size_t digits_start = i;
    std::int64_t magnitude = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - u'0');
        if (magnitude > (std::int64_t{1} << 32)) return std::nullopt;  // beyond every asked type
    }
    if (i == digits_start) return std::nullopt;
    while (i < n && text[i] == u' ') ++i;
    if (i != n) return std::nullopt;
    return negative ? -magnitude : magnitude;
}

std::optional<std::int64_t> ToWide(const PropertyValue& value) {
    if (auto v = std::get_if<std::int16_t>(&value)) return *v;
    if (auto v = std::get_if<std::int32_t>(&value)) return *v;
    if (auto v = std::get_if<bool>(&value)) return *v ? -1 : 0;  // True is -1
    if (auto v = std::get_if<std::u16string>(&value)) return ParseInteger(*v);
    return std::nullopt;
}

template <class T>
std::optional<T> Narrowed(const PropertyValue& value) {
    const auto wide = ToWide(value);
    if (!wide || *wide < std::numeric_limits<T>::min() || *wide > std::numeric_limits<T>::max()) {
        return std::nullopt;
    }
    return static_cast<T>(*wide);
}

std::u16string Decimal(std::int64_t v) {
    const std::string digits = std::to_string(v);
    return {digits.begin(), digits.end()};
}

}  // namespace

std::optional<std::int16_t> ToInt16(const PropertyValue& value) { return Narrowed<std::int16_t>(value); }

std::optional<std::int32_t> ToInt32(const PropertyValue& value) { return Narrowed<std::int32_t>(value); }

std::optional<bool> ToBoolean(const PropertyValue& value) {
    if (auto v = std::get_if<bool>(&value)) return *v;
    if (auto v = std::get_if<std::u16string>(&value)) {
        if (KeysEqual(*v, u"True")) return true;
        if (KeysEqual(*v, u"False")) return false;
    }
    if (const auto wide = ToWide(value)) return *wide != 0;
    return std::nullopt;
}

std::optional<std::u16string> ToText(const PropertyValue& value) {
    if (auto v = std::get_if<std::u16string>(&value)) return *v;
    if (auto v = std::get_if<bool>(&value)) return std::u16string(*v ? u"True" : u"False");
    if (std::holds_alternative<Picture>(value)) return std::nullopt;
    return Decimal(*ToWide(value));
}

std::optional<Picture> ToPicture(const PropertyValue& value) {
    if (auto v = std::get_if<Picture>(&value)) return *v;
    return std::nullopt;
}

}  // namespace tessel32
