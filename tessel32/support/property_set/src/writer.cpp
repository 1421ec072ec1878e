#include "tessel32/property_set/writer.h"

#include <limits>

#include "little_endian.h"
#include "tessel32/property_set/key.h"
#include "tessel32/property_set/layout.h"

namespace tessel32 {
namespace {

// Links are signed 32-bit distances, so no set may be longer than they reach.
constexpr std::size_t kMaxSetLength = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

bool AppendValue(std::vector<std::uint8_t>& out, const PropertyValue& value) {
    if (auto v = std::get_if<std::int16_t>(&value)) {
        le::Put16(out, static_cast<std::uint16_t>(*v));
    } else if (auto v = std::get_if<std::int32_t>(&value)) {
        le::Put32(out, static_cast<std::uint32_t>(*v));
    } else if (auto v = std::get_if<bool>(&value)) {
        le::Put16(out, *v ? 0xFFFF : 0);
    } else if (auto v = std::get_if<std::u16string>(&value)) {
        if (v->size() > kMaxSetLength / 2) return false;
        le::Put32(out, static_cast<std::uint32_t>(v->size()));
        for (char16_t c : *v) le::Put16(out, c);
    } else {
        const Picture& picture = std::get<Picture>(value);
        if (picture.file.size() > kMaxSetLength) return false;
        out.insert(out.end(), layout::kStdPictureClassId.begin(), layout::kStdPictureClassId.end());
        le::Put32(out, layout::kPictureMarker);
        le::Put32(out, static_cast<std::uint32_t>(picture.file.size()));
        out.insert(out.end(), picture.file.begin(), picture.file.end());
    }
    return out.size() <= kMaxSetLength + 4;
}

}  // namespace

WriteResult EncodePropertySet(std::span<const PropertyEntry> entries) {
    WriteResult result;
    std::vector<std::uint8_t>& out = result.bytes;
    le::Put32(out, 0);  // both lengths are filled in at the end
    le::Put32(out, layout::kSignature);
    le::Put32(out, 0);

    std::size_t last_start = layout::kSetHeaderSize;
    for (const PropertyEntry& entry : entries) {
        if (entry.key.size() > std::numeric_limits<std::uint16_t>::max()) {
            return {WriteError::KeyTooLong, {}};
        }
        const std::u16string key = LowerKey(entry.key);
        const std::size_t start = out.size();
        le::Put16(out, static_cast<std::uint16_t>(TypeOf(entry.value)));
        le::Put16(out, static_cast<std::uint16_t>(key.size()));
        le::Put32(out, KeyHash(key));
        le::Put32(out, 0);  // link, once the entry's size is known
        for (char16_t c : key) le::Put16(out, c);
        if (!AppendValue(out, entry.value)) return {WriteError::SetTooLarge, {}};
        out.resize(out.size() + layout::PaddingFor(out.size() - start), 0);
        if (out.size() - 4 > kMaxSetLength) return {WriteError::SetTooLarge, {}};
        le::Set32(out, start + 8, static_cast<std::uint32_t>(out.size() - start));
        last_start = start;
    }
    if (!entries.empty()) {
        // The last entry links back to the first.
        const auto back = -static_cast<std::int64_t>(last_start - layout::kSetHeaderSize);
        le::Set32(out, last_start + 8, static_cast<std::uint32_t>(static_cast<std::int32_t>(back)));
    }
    const auto length = static_cast<std::uint32_t>(out.size() - 4);
    le::Set32(out, 0, length);
    le::Set32(out, 8, length);
    return result;
}

PropertySetWriter::PropertySetWriter(std::int32_t extent_x, std::int32_t extent_y) {
    Store(u"_extentx", extent_x);
    Store(u"_extenty", extent_y);
}

void PropertySetWriter::WriteInt16(std::u16string_view key, std::int16_t value, std::int16_t default_value) {
    if (value != default_value) Store(key, value);
}

void PropertySetWriter::WriteInt32(std::u16string_view key, std::int32_t value, std::int32_t default_value) {
    if (value != default_value) Store(key, value);
}

void PropertySetWriter::WriteBoolean(std::u16string_view key, bool value, bool default_value) {
    if (value != default_value) Store(key, value);
}

void PropertySetWriter::WriteString(std::u16string_view key, std::u16string_view value,
                                    std::u16string_view default_value) {
    if (value != default_value) Store(key, std::u16string(value));
}

void PropertySetWriter::WritePicture(std::u16string_view key, Picture value) { Store(key, std::move(value)); }

void PropertySetWriter::Store(std::u16string_view key, PropertyValue value) {
    entries_.push_back({LowerKey(key), std::move(value)});
}

}  // namespace tessel32
