// Asking a read set for values by key, as the control's loading does.
#include <gtest/gtest.h>

#include "tessel32/property_set/reader.h"
#include "tessel32/property_set/writer.h"

namespace tessel32 {
namespace {

std::u16string Numbered(std::u16string_view key, int i) {
    const std::string digits = std::to_string(i);
    return std::u16string(key) + std::u16string(digits.begin(), digits.end());
}

// A stored set holding only "ButnCount" = 9, the ten "ImageNumber" i keys and a "Picture",
// read back from its bytes.
PropertySet TenButtonSet() {
    PropertySetWriter writer(6350, 609);
    writer.WriteInt16(u"ButnCount", 9, 0);
    for (int i = 0; i <= 9; ++i) {
        writer.WriteInt16(Numbered(u"ImageNumber", i), static_cast<std::int16_t>(i + 1), 0);
    }
    writer.WritePicture(u"Picture", Picture{{'B', 'M'}});
    ReadResult read = ReadPropertySet(writer.Finish().bytes);
    EXPECT_TRUE(read.ok()) << ToString(read.error);
    return read.set;
}

TEST(PropertySetLookup, FindsKeysInAnyCase) {
    const PropertySet set = TenButtonSet();
    for (std::u16string_view key : {u"ButnCount", u"butncount", u"BUTNCOUNT"}) {
        const auto count = set.ReadInt16(key, 0);
        EXPECT_EQ(count.status, LookupStatus::Found);
        EXPECT_EQ(count.value, 9);
    }
    EXPECT_EQ(set.ReadInt16(u"ImageNumber7", 0).value, 8);
    EXPECT_EQ(set.ReadPicture(u"PICTURE").value, (Picture{{'B', 'M'}}));
}

TEST(PropertySetLookup, MissingKeysGiveTheirDefaults) {
    const PropertySet set = TenButtonSet();
    const auto size = set.ReadInt16(u"ToolBarSize", 16);
    EXPECT_EQ(size.status, LookupStatus::Missing);
    EXPECT_EQ(size.value, 16);
    EXPECT_EQ(set.ReadInt32(u"MaskColor", 0).value, 0);
    EXPECT_EQ(set.ReadBoolean(u"WithText", false).value, false);
    EXPECT_EQ(set.ReadString(u"ToolTips3", u"").value, u"");
    EXPECT_EQ(set.ReadString(u"Caption10", u"none").value, u"none");
    // "ImageNumber1" must not be found by its prefix "ImageNumber", nor "ImageNumber10" by it.
    EXPECT_EQ(set.ReadInt16(u"ImageNumber", -5).status, LookupStatus::Missing);
    EXPECT_EQ(set.ReadInt16(u"ImageNumber10", -5).status, LookupStatus::Missing);
    EXPECT_EQ(set.ReadPicture(u"RebarPicture").status, LookupStatus::Missing);
}

struct ConversionCase {
    const char* name;
    PropertyValue stored;
    // What each asked type gives: nullopt where the value has no form in that type.
    std::optional<std::int16_t> as_int16;
    std::optional<std::int32_t> as_int32;
    std::optional<bool> as_boolean;
    std::optional<std::u16string> as_string;
};

TEST(PropertySetLookup, ConvertsToTheAskedTypeOrFails) {
    const ConversionCase cases[] = {
        {"16-bit", std::int16_t{-7}, -7, -7, true, u"-7"},
        {"16-bit zero", std::int16_t{0}, 0, 0, false, u"0"},
        {"32-bit colour", std::int32_t{16776960}, std::nullopt, 16776960, true, u"16776960"},
        {"32-bit at the 16-bit edge", std::int32_t{-32768}, -32768, -32768, true, u"-32768"},
        {"32-bit past the 16-bit edge", std::int32_t{32768}, std::nullopt, 32768, true, u"32768"},
        {"true", true, -1, -1, true, u"True"},
        {"false", false, 0, 0, false, u"False"},
        {"decimal text", std::u16string(u" 32 "), 32, 32, true, u" 32 "},
        {"text past 32 bits", std::u16string(u"99999999999"), std::nullopt, std::nullopt, std::nullopt,
         u"99999999999"},
        {"word text", std::u16string(u"TRUE"), std::nullopt, std::nullopt, true, u"TRUE"},
        {"other text", std::u16string(u"Open"), std::nullopt, std::nullopt, std::nullopt, u"Open"},
        {"empty text", std::u16string(), std::nullopt, std::nullopt, std::nullopt, u""},
        {"picture", Picture{{'B', 'M'}}, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const ConversionCase& c : cases) {
        const PropertySet set({{u"value", c.stored}});
        const auto int16 = set.ReadInt16(u"Value", 111);
        const auto int32 = set.ReadInt32(u"Value", 222);
        const auto boolean = set.ReadBoolean(u"Value", true);
        const auto text = set.ReadString(u"Value", u"default");
        // A failed conversion is its own outcome and leaves the default in place.
        EXPECT_EQ(int16.status, c.as_int16 ? LookupStatus::Found : LookupStatus::NotConvertible) << c.name;
        EXPECT_EQ(int16.value, c.as_int16.value_or(111)) << c.name;
        EXPECT_EQ(int32.status, c.as_int32 ? LookupStatus::Found : LookupStatus::NotConvertible) << c.name;
        EXPECT_EQ(int32.value, c.as_int32.value_or(222)) << c.name;
        EXPECT_EQ(boolean.status, c.as_boolean ? LookupStatus::Found : LookupStatus::NotConvertible) << c.name;
        EXPECT_EQ(boolean.value, c.as_boolean.value_or(true)) << c.name;
        EXPECT_EQ(text.status, c.as_string ? LookupStatus::Found : LookupStatus::NotConvertible) << c.name;
        EXPECT_EQ(text.value, c.as_string.value_or(u"default")) << c.name;
        EXPECT_EQ(set.ReadPicture(u"Value").ok(), std::holds_alternative<Picture>(c.stored)) << c.name;
    }
}

TEST(PropertySetLookup, FirstOfTwoEqualKeysWins) {
    const PropertySet set({{u"butncount", std::int16_t{3}}, {u"butncount", std::int16_t{4}}});
    EXPECT_EQ(set.ReadInt16(u"ButnCount", 0).value, 3);
}

}  // namespace
}  // namespace tessel32
