// The bytes the writer lays down, checked against entries worked out by hand.
#include <gtest/gtest.h>

#include "set_bytes.h"
#include "tessel32/property_set/key.h"
#include "tessel32/property_set/layout.h"
#include "tessel32/property_set/writer.h"

namespace tessel32 {
namespace {

using testing::Append16;
using testing::Append32;
using testing::AppendUtf16;
using testing::Bytes;
using testing::Get32;

Bytes Encode(const std::vector<PropertyEntry>& entries) {
    const WriteResult written = EncodePropertySet(entries);
    EXPECT_TRUE(written.ok());
    return written.bytes;
}

Bytes Slice(const Bytes& b, std::size_t from, std::size_t count) {
    return Bytes(b.begin() + from, b.begin() + from + count);
}

TEST(EntryLayout, MaskColorEntryIs36BytesWithTwoBytesOfPadding) {
    const Bytes set = Encode({{u"_extentx", std::int32_t{1}}, {u"MaskColor", std::int32_t{16776960}},
                              {u"wrappable", true}});
    Bytes expected;
    Append16(expected, 3);
    Append16(expected, 9);
    Append32(expected, 0xBE217A26);
    Append32(expected, 36);
    AppendUtf16(expected, u"maskcolor");
    expected.insert(expected.end(), {0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00});
    ASSERT_EQ(expected.size(), 36u);
    EXPECT_EQ(Slice(set, 12 + 32, 36), expected);
}

TEST(EntryLayout, LastEntryLinksBackToTheFirst) {
    const Bytes set = Encode({{u"_extentx", std::int32_t{1}}, {u"_extenty", std::int32_t{2}},
                              {u"maskcolor", std::int32_t{16776960}}});
    // _extentx and _extenty take 12 + 16 + 4 = 32 bytes each.
    EXPECT_EQ(Get32(set, 12 + 8), 32u);
    EXPECT_EQ(Get32(set, 44 + 8), 32u);
    EXPECT_EQ(static_cast<std::int32_t>(Get32(set, 76 + 8)), -64);
    EXPECT_EQ(set.size(), 76u + 36u);
}

TEST(EntryLayout, SingleEntryLinksToItself) {
    const Bytes set = Encode({{u"maskcolor", std::int32_t{16776960}}});
    EXPECT_EQ(Get32(set, 12 + 8), 0u);
}

TEST(EntryLayout, ToolTipStringEntryIs68BytesWithoutPadding) {
    const std::u16string text = u"Open Encoded File";
    ASSERT_EQ(text.size(), 17u);
    const Bytes set = Encode({{u"tooltips0", text}, {u"_extentx", std::int32_t{1}}});
    Bytes expected;
    Append16(expected, 8);
    Append16(expected, 9);
    Append32(expected, KeyHash(u"tooltips0"));
    Append32(expected, 68);
    AppendUtf16(expected, u"tooltips0");
    Append32(expected, 17);
    AppendUtf16(expected, text);
    ASSERT_EQ(expected.size(), 68u);
    EXPECT_EQ(Slice(set, 12, 68), expected);
}

TEST(EntryLayout, HeaderCarriesTheLengthTwiceAroundTheSignature) {
    const Bytes set = Encode({{u"butncount", std::int16_t{9}}});
    ASSERT_EQ(set.size(), 12u + 32u);  // one entry of 12 + 18 + 2 bytes
    EXPECT_EQ(Get32(set, 0), set.size() - 4);
    EXPECT_EQ(Get32(set, 4), 0x0000B293u);
    EXPECT_EQ(Get32(set, 8), set.size() - 4);
}

struct ValueCase {
    const char* name;
    PropertyValue value;
    Bytes bytes;  // value and padding, after the entry header and the key "k"
};

TEST(EntryLayout, ValuesOfEveryType) {
    Bytes picture(layout::kStdPictureClassId.begin(), layout::kStdPictureClassId.end());
    picture.insert(picture.end(), {0x6C, 0x74, 0x00, 0x00, 3, 0, 0, 0, 'B', 'M', 0x7F, 0, 0, 0});
    const ValueCase cases[] = {
        {"16-bit", std::int16_t{-2}, {0xFE, 0xFF}},
        {"32-bit", std::int32_t{-2}, {0xFE, 0xFF, 0xFF, 0xFF, 0, 0}},
        {"true is -1", true, {0xFF, 0xFF}},
        {"false is 0", false, {0x00, 0x00}},
        {"empty string", std::u16string(), {0, 0, 0, 0, 0, 0}},
        {"string", std::u16string(u"\u00E9"), {1, 0, 0, 0, 0xE9, 0x00}},
        {"picture", Picture{{'B', 'M', 0x7F}}, picture},
    };
    for (const ValueCase& c : cases) {
        const Bytes set = Encode({{u"K", c.value}});
        EXPECT_EQ(Get32(set, 12) & 0xFFFF, static_cast<std::uint32_t>(TypeOf(c.value))) << c.name;
        EXPECT_EQ(Slice(set, 12 + 12 + 2, set.size() - 26), c.bytes) << c.name;
        EXPECT_EQ((set.size() - 12) % 4, 0u) << c.name;
    }
}

TEST(PropertySetWriter, PutsTheExtentsFirstAndLeavesOutDefaults) {
    PropertySetWriter writer(2540, 609);
    writer.WriteInt16(u"ToolBarSize", 16, 16);
    writer.WriteInt16(u"ButnCount", 9, 0);
    writer.WriteBoolean(u"CheckGroup", false, false);
    writer.WriteString(u"Caption0", u"", u"");
    writer.WriteString(u"ToolTips0", u"Open", u"");
    writer.WriteInt32(u"BtnStyle0", 1, 0);
    writer.WriteBoolean(u"BtnEnabled0", true, false);
    writer.WriteInt32(u"MaskColor", 0, 0);
    writer.WritePicture(u"Picture", Picture{{'B', 'M'}});
    const std::vector<PropertyEntry> expected = {
        {u"_extentx", std::int32_t{2540}},  {u"_extenty", std::int32_t{609}},
        {u"butncount", std::int16_t{9}},    {u"tooltips0", std::u16string(u"Open")},
        {u"btnstyle0", std::int32_t{1}},    {u"btnenabled0", true},
        {u"picture", Picture{{'B', 'M'}}},
    };
    EXPECT_EQ(writer.entries(), expected);
    EXPECT_EQ(writer.Finish().bytes, Encode(expected));
}

TEST(PropertySetWriter, RefusesAKeyLongerThanItsLengthField) {
    const std::vector<PropertyEntry> entries = {{std::u16string(65536, u'a'), std::int16_t{1}}};
    EXPECT_EQ(EncodePropertySet(entries).error, WriteError::KeyTooLong);
    const std::vector<PropertyEntry> longest = {{std::u16string(65535, u'a'), std::int16_t{1}}};
    EXPECT_TRUE(EncodePropertySet(longest).ok());
}

}  // namespace
}  // namespace tessel32
