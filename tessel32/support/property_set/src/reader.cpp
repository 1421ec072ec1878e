#include "tessel32/property_set/reader.h"

#include <algorithm>
#include <string>

#include "little_endian.h"
#include "tessel32/property_set/key.h"
#include "tessel32/property_set/layout.h"

namespace tessel32 {
namespace {

// A cursor over one entry that never reads past `end`; every size is compared with what is
// left before anything is read or allocated, so no count from the data can over-read.
class Cursor {
public:
    Cursor(const std::uint8_t* data, std::size_t pos, std::size_t end) : data_(data), pos_(pos), end_(end) {}

    std::size_t pos() const { return pos_; }
    std::size_t left() const { return end_ - pos_; }

    bool Take16(std::uint16_t& v) {
        if (left() < 2) return false;
        v = le::Get16(data_ + pos_);
        pos_ += 2;
        return true;
    }
    bool Take32(std::uint32_t& v) {
        if (left() < 4) return false;
        v = le::Get32(data_ + pos_);
        pos_ += 4;
        return true;
    }
    // `count` UTF-16 units; the caller has checked that they are there.
    std::u16string TakeUnits(std::size_t count) {
        std::u16string out(count, u'\0');
        for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<char16_t>(le::Get16(data_ + pos_ + 2 * i));
        pos_ += 2 * count;
        return out;
    }
    std::vector<std::uint8_t> TakeBytes(std::size_t count) {
        std::vector<std::uint8_t> out(data_ + pos_, data_ + pos_ + count);
        pos_ += count;
        return out;
    }
    const std::uint8_t* here() const { return data_ + pos_; }
    void Skip(std::size_t count) { pos_ += count; }

private:
    const std::uint8_t* data_;
    std::size_t pos_;
    std::size_t end_;
};

// Reads a string's character count and characters.
ReadError ReadText(Cursor& in, PropertyValue& value) {
    std::uint32_t count = 0;
    if (!in.Take32(count)) return ReadError::Truncated;
    if (count > in.left() / 2) return ReadError::BadCount;
    value = in.TakeUnits(count);
    return ReadError::None;
}

ReadError ReadPictureObject(Cursor& in, PropertyValue& value) {
    if (in.left() < layout::kStdPictureClassId.size()) return ReadError::Truncated;
    if (!std::equal(layout::kStdPictureClassId.begin(), layout::kStdPictureClassId.end(), in.here())) {
        return ReadError::BadObject;
    }
    in.Skip(layout::kStdPictureClassId.size());
    std::uint32_t marker = 0;
    std::uint32_t size = 0;
    if (!in.Take32(marker)) return ReadError::Truncated;
    if (marker != layout::kPictureMarker) return ReadError::BadObject;
    if (!in.Take32(size)) return ReadError::Truncated;
    if (size > in.left()) return ReadError::BadCount;
    value = Picture{in.TakeBytes(size)};
    return ReadError::None;
}

ReadError ReadValue(Cursor& in, std::uint16_t type, PropertyValue& value) {
    std::uint16_t v16 = 0;
    std::uint32_t v32 = 0;
    switch (static_cast<ValueType>(type)) {
        case ValueType::Int16:
            if (!in.Take16(v16)) return ReadError::Truncated;
            value = static_cast<std::int16_t>(v16);
            return ReadError::None;
        case ValueType::Int32:
            if (!in.Take32(v32)) return ReadError::Truncated;
            value = static_cast<std::int32_t>(v32);
            return ReadError::None;
        case ValueType::Boolean:
            if (!in.Take16(v16)) return ReadError::Truncated;
            if (v16 != 0xFFFF && v16 != 0) return ReadError::BadBoolean;
            value = v16 != 0;
            return ReadError::None;
        case ValueType::String:
            return ReadText(in, value);
        case ValueType::Object:
            return ReadPictureObject(in, value);
    }
    return ReadError::BadType;
}

struct EntryRead {
    ReadError error = ReadError::None;
    std::int32_t link = 0;
    std::size_t size = 0;  // padded
};

// Reads the entry at `start`, which lies inside [first, end).
EntryRead ReadEntry(const std::uint8_t* data, std::size_t start, std::size_t end, PropertyEntry& entry) {
    Cursor in(data, start, end);
    std::uint16_t type = 0;
    std::uint16_t name_length = 0;
    std::uint32_t hash = 0;
    std::uint32_t link = 0;
    if (!in.Take16(type) || !in.Take16(name_length) || !in.Take32(hash) || !in.Take32(link)) {
        return {ReadError::Truncated};
    }
    if (name_length > in.left() / 2) return {ReadError::BadCount};
    entry.key = in.TakeUnits(name_length);
    if (LowerKey(entry.key) != entry.key) return {ReadError::BadKey};
    if (KeyHash(entry.key) != hash) return {ReadError::BadHash};
    if (const ReadError error = ReadValue(in, type, entry.value); error != ReadError::None) return {error};

    const std::size_t padding = layout::PaddingFor(in.pos() - start);
    if (in.left() < padding) return {ReadError::Truncated};
    for (std::size_t i = 0; i < padding; ++i) {
        if (in.here()[i] != 0) return {ReadError::BadPadding};
    }
    in.Skip(padding);
    return {ReadError::None, static_cast<std::int32_t>(link), in.pos() - start};
}

}  // namespace

const char* ToString(ReadError error) {
    switch (error) {
        case ReadError::None: return "none";
        case ReadError::Truncated: return "truncated";
        case ReadError::BadSignature: return "bad signature";
        case ReadError::BadLength: return "bad length";
        case ReadError::BadType: return "bad value type";
        case ReadError::BadKey: return "key not lower-cased";
        case ReadError::BadHash: return "bad key hash";
        case ReadError::BadLink: return "bad link";
        case ReadError::LinkLoop: return "link loop";
        case ReadError::BadCount: return "count larger than the data";
        case ReadError::BadBoolean: return "bad Boolean";
        case ReadError::BadObject: return "bad object";
        case ReadError::BadPadding: return "bad padding";
    }
    return "unknown";
}

ReadResult ReadPropertySet(std::span<const std::uint8_t> data) {
    ReadResult result;
    if (data.size() < layout::kSetHeaderSize) {
        result.error = ReadError::Truncated;
        return result;
    }
    const std::uint32_t length = le::Get32(data.data());
    const std::uint32_t signature = le::Get32(data.data() + 4);
    const std::uint32_t length_again = le::Get32(data.data() + 8);
    if (signature != layout::kSignature) {
        result.error = ReadError::BadSignature;
        return result;
    }
    if (length != length_again || length < layout::kCountedHeaderSize) {
        result.error = ReadError::BadLength;
        return result;
    }
    if (length > data.size() - 4) {
        result.error = ReadError::Truncated;
        return result;
    }
    const std::size_t end = 4 + std::size_t{length};

    // Entries lie back to back: each link must land exactly where its entry ends, and the entry
    // that ends the set links back to the first. Every step moves forward by at least one entry
    // header, so the walk ends.
    std::vector<PropertyEntry> entries;
    const std::size_t first = layout::kSetHeaderSize;
    std::size_t pos = first;
    while (pos < end) {
        PropertyEntry entry;
        const EntryRead read = ReadEntry(data.data(), pos, end, entry);
        if (read.error != ReadError::None) {
            result.error = read.error;
            return result;
        }
        const std::int64_t link = read.link;
        if (pos + read.size == end) {
            if (link != -static_cast<std::int64_t>(pos - first)) {
                result.error = ReadError::BadLink;
                return result;
            }
        } else if (link != static_cast<std::int64_t>(read.size)) {
            result.error = link > 0 ? ReadError::BadLink : ReadError::LinkLoop;
            return result;
        }
        entries.push_back(std::move(entry));
        pos += read.size;
    }
    result.set = PropertySet(std::move(entries));
    result.consumed = end;
    return result;
}

}  // namespace tessel32
