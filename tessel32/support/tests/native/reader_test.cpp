// Reading sets back: the round trip, and damaged sets that must fail cleanly.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "set_bytes.h"
#include "tessel32/property_set/layout.h"
#include "tessel32/property_set/reader.h"
#include "tessel32/property_set/writer.h"

namespace tessel32 {
namespace {

using testing::Bytes;
using testing::EntryStarts;
using testing::Get32;
using testing::Set16;
using testing::Set32;

// A set like the main window's first toolbar, with an entry of every value type.
Bytes ToolbarSet() {
    PropertySetWriter writer(6350, 609);
    writer.WriteInt16(u"ToolBarSize", 16, 16);
    writer.WriteInt16(u"ButnCount", 1, 0);
    writer.WriteString(u"ToolTips0", u"Open Encoded File", u"");
    writer.WriteInt32(u"BtnStyle0", 1, 0);
    writer.WriteBoolean(u"BtnEnabled0", true, false);
    writer.WriteInt16(u"ImageNumber1", 1, 0);
    writer.WriteInt32(u"BtnStyle1", 2, 0);
    writer.WritePicture(u"Picture", Picture{{'B', 'M', 1, 2, 3}});
    writer.WriteInt32(u"MaskColor", 16776960, 0);
    const WriteResult written = writer.Finish();
    EXPECT_TRUE(written.ok());
    return written.bytes;
}

// Entry indices in ToolbarSet().
enum : std::size_t { kExtentX, kExtentY, kButnCount, kToolTips0, kBtnStyle0, kBtnEnabled0,
                     kImageNumber1, kBtnStyle1, kPicture, kMaskColor, kEntryCount };

TEST(ReadPropertySet, RoundTripIsByteExact) {
    const Bytes bytes = ToolbarSet();
    ASSERT_EQ(EntryStarts(bytes).size(), std::size_t{kEntryCount});
    const ReadResult read = ReadPropertySet(bytes);
    ASSERT_TRUE(read.ok()) << ToString(read.error);
    EXPECT_EQ(read.consumed, bytes.size());
    ASSERT_EQ(read.set.entries().size(), std::size_t{kEntryCount});
    EXPECT_EQ(read.set.entries()[kExtentX].key, u"_extentx");
    EXPECT_EQ(read.set.entries()[kToolTips0].value, PropertyValue(std::u16string(u"Open Encoded File")));
    EXPECT_EQ(read.set.entries()[kPicture].value, PropertyValue(Picture{{'B', 'M', 1, 2, 3}}));
    EXPECT_EQ(EncodePropertySet(read.set.entries()).bytes, bytes);
}

TEST(ReadPropertySet, EmptySetAndSetsInsideLargerData) {
    const Bytes empty = EncodePropertySet({}).bytes;
    ASSERT_EQ(empty.size(), 12u);
    EXPECT_TRUE(ReadPropertySet(empty).ok());

    // The container's form data goes on after the set; the reader stops at the set's length.
    Bytes embedded = ToolbarSet();
    const std::size_t set_size = embedded.size();
    embedded.insert(embedded.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    const ReadResult read = ReadPropertySet(embedded);
    ASSERT_TRUE(read.ok()) << ToString(read.error);
    EXPECT_EQ(read.consumed, set_size);
}

struct MalformedCase {
    const char* name;
    std::function<void(Bytes&, const std::vector<std::size_t>& starts)> damage;
    ReadError error;
};

// Shrinks both length fields by `by`, as if the set ended earlier.
void Shorten(Bytes& b, std::uint32_t by) {
    Set32(b, 0, Get32(b, 0) - by);
    Set32(b, 8, Get32(b, 8) - by);
}

// Where the value of the entry at `entry` starts, past its header and key.
std::size_t ValueOf(const Bytes& b, std::size_t entry) { return entry + 12 + 2 * (Get32(b, entry) >> 16); }

void SetLink(Bytes& b, std::size_t entry, std::int64_t link) {
    Set32(b, entry + 8, static_cast<std::uint32_t>(static_cast<std::int32_t>(link)));
}

std::int64_t Back(std::size_t from, std::size_t to) {
    return static_cast<std::int64_t>(to) - static_cast<std::int64_t>(from);
}

TEST(ReadPropertySet, MalformedSetsFailWithTheirReason) {
    using S = const std::vector<std::size_t>&;
    const MalformedCase cases[] = {
        {"no bytes", [](Bytes& b, S) { b.clear(); }, ReadError::Truncated},
        {"header cut short", [](Bytes& b, S) { b.resize(11); }, ReadError::Truncated},
        {"last byte missing", [](Bytes& b, S) { b.pop_back(); }, ReadError::Truncated},
        {"length larger than the data", [](Bytes& b, S) { Shorten(b, 0u - 4u); }, ReadError::Truncated},
        {"length of 4 GB",
         [](Bytes& b, S) { Set32(b, 0, 0xFFFFFFFF); Set32(b, 8, 0xFFFFFFFF); },
         ReadError::Truncated},
        {"set ends inside the last entry", [](Bytes& b, S) { Shorten(b, 4); }, ReadError::Truncated},
        {"set ends inside an entry header",
         [](Bytes& b, S s) { Shorten(b, static_cast<std::uint32_t>(b.size() - s[kMaskColor] - 6)); },
         ReadError::Truncated},
        {"wrong signature", [](Bytes& b, S) { Set32(b, 4, 0x0000B294); }, ReadError::BadSignature},
        {"lengths differ", [](Bytes& b, S) { Set32(b, 8, Get32(b, 8) - 4); }, ReadError::BadLength},
        {"length smaller than the header",
         [](Bytes& b, S) { Set32(b, 0, 4); Set32(b, 8, 4); },
         ReadError::BadLength},
        {"unknown value type", [](Bytes& b, S s) { Set16(b, s[kButnCount], 9); }, ReadError::BadType},
        {"name length larger than the data",
         [](Bytes& b, S s) { Set16(b, s[kMaskColor] + 2, 0xFFFF); },
         ReadError::BadCount},
        {"character count larger than the data",
         [](Bytes& b, S s) { Set32(b, ValueOf(b, s[kToolTips0]), 0x7FFFFFFF); },
         ReadError::BadCount},
        {"character count that overflows when doubled",
         [](Bytes& b, S s) { Set32(b, ValueOf(b, s[kToolTips0]), 0x80000001); },
         ReadError::BadCount},
        {"picture size larger than the data",
         [](Bytes& b, S s) { Set32(b, ValueOf(b, s[kPicture]) + 20, 0xFFFFFFF0); },
         ReadError::BadCount},
        {"object of another class", [](Bytes& b, S s) { b[ValueOf(b, s[kPicture])] ^= 1; }, ReadError::BadObject},
        {"picture marker wrong",
         [](Bytes& b, S s) { Set32(b, ValueOf(b, s[kPicture]) + 16, 0x746D); },
         ReadError::BadObject},
        {"hash not the key's", [](Bytes& b, S s) { b[s[kButnCount] + 4] ^= 1; }, ReadError::BadHash},
        // The hash is over the lower-cased key, so only the stored form can tell.
        {"key not lower-cased", [](Bytes& b, S s) { b[s[kButnCount] + 12] = 'B'; }, ReadError::BadKey},
        {"Boolean other than -1 or 0",
         [](Bytes& b, S s) { Set16(b, ValueOf(b, s[kBtnEnabled0]), 1); },
         ReadError::BadBoolean},
        {"padding not zero", [](Bytes& b, S s) { b[s[kMaskColor] + 35] = 1; }, ReadError::BadPadding},
        {"link past the next entry", [](Bytes& b, S s) { SetLink(b, s[kExtentY], 36); }, ReadError::BadLink},
        {"link out of the set", [](Bytes& b, S s) { SetLink(b, s[kExtentX], 0x7FFFFFFF); }, ReadError::BadLink},
        {"link to itself", [](Bytes& b, S s) { SetLink(b, s[kBtnStyle0], 0); }, ReadError::LinkLoop},
        {"link back to an earlier entry",
         [](Bytes& b, S s) { SetLink(b, s[kPicture], Back(s[kPicture], s[kButnCount])); },
         ReadError::LinkLoop},
        {"link back to the first before the end",
         [](Bytes& b, S s) { SetLink(b, s[kPicture], Back(s[kPicture], s[kExtentX])); },
         ReadError::LinkLoop},
        {"most negative link", [](Bytes& b, S s) { SetLink(b, s[kBtnStyle1], INT32_MIN); }, ReadError::LinkLoop},
        {"last link not back to the first", [](Bytes& b, S s) { SetLink(b, s[kMaskColor], 36); }, ReadError::BadLink},
        {"last link back to the second",
         [](Bytes& b, S s) { SetLink(b, s[kMaskColor], Back(s[kMaskColor], s[kExtentY])); },
         ReadError::BadLink},
    };
    const Bytes good = ToolbarSet();
    const std::vector<std::size_t> starts = EntryStarts(good);
    ASSERT_EQ(starts.size(), std::size_t{kEntryCount});
    for (const MalformedCase& c : cases) {
        Bytes bytes = good;
        c.damage(bytes, starts);
        const ReadResult read = ReadPropertySet(bytes);
        EXPECT_EQ(read.error, c.error) << c.name << ": got " << ToString(read.error);
        EXPECT_TRUE(read.set.entries().empty()) << c.name;
    }
}

}  // namespace
}  // namespace tessel32
