#pragma once
// CRC-32 as zlib and PNG compute it (reflected polynomial 0xEDB88320).
#include <cstddef>
#include <cstdint>

namespace cipher {

class Crc32 {
public:
    void Update(const std::uint8_t* data, std::size_t size);
    std::uint32_t Value() const { return ~state_; }

private:
    std::uint32_t state_ = 0xFFFFFFFFu;
};

std::uint32_t Crc32Of(const std::uint8_t* data, std::size_t size);

}  // namespace cipher
