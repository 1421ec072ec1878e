// Fixed numbers of the saved property set layout, shared by the reader and the writer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tessel32::layout {

// length (4), signature (4), length again (4); both lengths count the bytes after the first.
inline constexpr std::uint32_t kSignature = 0x0000B293;
inline constexpr std::size_t kSetHeaderSize = 12;
// The part of the set that the leading length counts but that is not entries: signature and
// the repeated length.
inline constexpr std::size_t kCountedHeaderSize = 8;

// value type (2), name length (2), hash (4), link (4).
inline constexpr std::size_t kEntryHeaderSize = 12;

// A picture object: the standard picture class identifier {0BE35204-8F91-11CE-9DE3-00AA004BB851}
// in its in-memory byte order, this marker, the file size, then the picture file.
inline constexpr std::array<std::uint8_t, 16> kStdPictureClassId = {
    0x04, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11,
    0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51};
inline constexpr std::uint32_t kPictureMarker = 0x0000746C;
inline constexpr std::size_t kPictureHeaderSize = 16 + 4 + 4;

// Zero bytes that bring an entry of `size` bytes up to a multiple of 4.
constexpr std::size_t PaddingFor(std::size_t size) { return (4 - size % 4) % 4; }

}  // namespace tessel32::layout
