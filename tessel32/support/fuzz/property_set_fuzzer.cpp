// Any bytes: the reader either fails cleanly or gives a set that writes back to the same bytes
// and answers every lookup.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tessel32/property_set/reader.h"
#include "tessel32/property_set/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tessel32::ReadResult read = tessel32::ReadPropertySet({data, size});
    if (!read.ok()) {
        if (!read.set.entries().empty() || read.consumed != 0) std::abort();
        return 0;
    }
    if (read.consumed > size) std::abort();
    const tessel32::WriteResult written = tessel32::EncodePropertySet(read.set.entries());
    if (!written.ok() || written.bytes.size() != read.consumed ||
        std::memcmp(written.bytes.data(), data, read.consumed) != 0) {
        std::fprintf(stderr, "round trip differs\n");
        std::abort();
    }
    for (const tessel32::PropertyEntry& entry : read.set.entries()) {
        (void)read.set.ReadInt16(entry.key, 0);
        (void)read.set.ReadInt32(entry.key, 0);
        (void)read.set.ReadBoolean(entry.key, false);
        (void)read.set.ReadString(entry.key, u"");
        (void)read.set.ReadPicture(entry.key);
    }
    return 0;
}
