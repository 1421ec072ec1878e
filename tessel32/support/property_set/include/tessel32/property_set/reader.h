// Reads a saved property set from untrusted bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "tessel32/property_set/property_set.h"

namespace tessel32 {

enum class ReadError {
    None,
    Truncated,     // the bytes end before the set, a field or an entry's padding does
    BadSignature,  // not 0x0000B293
    BadLength,     // the two lengths differ, or are too small for the header they count
    BadType,       // a value type the set does not hold
    BadKey,        // a key character that is not in its stored (lower-cased) form
    BadHash,       // the stored hash is not the key's
    BadLink,       // a link that does not land on the next entry, or the last one not on the first
    LinkLoop,      // a link that points back (or at itself) before the last entry
    BadCount,      // a name length, character count or picture size larger than the data
    BadBoolean,    // a Boolean other than -1 or 0
    BadObject,     // an object that is not a picture in the saved form
    BadPadding,    // padding bytes that are not zero
};

const char* ToString(ReadError error);

struct ReadResult {
    ReadError error = ReadError::None;
    PropertySet set;
    std::size_t consumed = 0;  // bytes of the set: the leading length field plus its value
    bool ok() const { return error == ReadError::None; }
};

// Reads the set at the start of `data`; bytes after the set are not looked at.
ReadResult ReadPropertySet(std::span<const std::uint8_t> data);

}  // namespace tessel32
