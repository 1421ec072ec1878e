// The toolbars' saved sets as the control will read them: the layout's own reader finds every
// button's values, and writing the entries again gives the very same bytes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tessel32/property_set/reader.h"
#include "tessel32/property_set/writer.h"

namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Button {
    std::int16_t image;
    bool disabled;
    std::u16string tip;
};

struct Toolbar {
    const char* file;
    std::vector<Button> buttons;
};

const Toolbar kToolbars[] = {
    {"tessel1.bin",
     {{1, false, u"Open Encoded Text"}, {2, false, u"Save Encoded Text"}, {41, true, u""},
      {3, false, u"Cut Encoded Text"}, {4, false, u"Copy Encoded Text"}, {5, false, u"Paste Encoded Text"},
      {41, true, u""}, {13, false, u"Clear Encoded Text"}, {6, false, u"Print Encoded Text"},
      {11, true, u"Copy Encoded Text and Open E-mail Program"}}},
    {"tessel2.bin",
     {{1, false, u"Open Decoded Text"}, {2, false, u"Save Decoded Text"}, {41, true, u""},
      {3, false, u"Cut Decoded Text"}, {4, false, u"Copy Decoded Text"}, {5, false, u"Paste Decoded Text"},
      {41, true, u""}, {13, false, u"Clear Decoded Text"}, {6, false, u"Print Decoded Text"},
      {44, false, u"Popup Inserts Menu"}}},
};

TEST(ToolbarSets, HoldTenButtonsWithTheirImagesTipsAndStates) {
    const std::vector<std::uint8_t> strip = FileBytes(TESSEL32_DEFAULT_STRIP_BMP);
    ASSERT_FALSE(strip.empty());
    for (const Toolbar& toolbar : kToolbars) {
        SCOPED_TRACE(toolbar.file);
        const std::vector<std::uint8_t> bytes = FileBytes(std::string(WEXLIN_TOOLBAR_SETS_DIR) + "/" + toolbar.file);
        const tessel32::ReadResult read = tessel32::ReadPropertySet(bytes);
        ASSERT_TRUE(read.ok()) << tessel32::ToString(read.error);
        EXPECT_EQ(read.consumed, bytes.size());
        const tessel32::PropertySet& set = read.set;
        ASSERT_GE(set.entries().size(), 2u);
        EXPECT_EQ(set.entries()[0].key, u"_extentx");
        EXPECT_EQ(set.entries()[1].key, u"_extenty");
        EXPECT_EQ(set.ReadInt32(u"_ExtentX", 0).value, 9975);  // 5655 x 345 twips in HIMETRIC
        EXPECT_EQ(set.ReadInt32(u"_ExtentY", 0).value, 609);
        EXPECT_EQ(set.ReadInt16(u"ButnCount", 0).value, 9);
        EXPECT_EQ(set.ReadInt16(u"ToolBarSize", 16).value, 16);
        EXPECT_EQ(set.ReadInt32(u"MaskColor", 0).value, 16776960);
        EXPECT_FALSE(set.ReadBoolean(u"WithText", false).value);
        const auto picture = set.ReadPicture(u"Picture");
        ASSERT_EQ(picture.status, tessel32::LookupStatus::Found);
        EXPECT_EQ(picture.value.file, strip);
        for (size_t i = 0; i < toolbar.buttons.size(); ++i) {
            const std::u16string n(1, static_cast<char16_t>(u'0' + i));
            const Button& b = toolbar.buttons[i];
            EXPECT_EQ(set.ReadInt16(u"ImageNumber" + n, 0).value, b.image) << i;
            EXPECT_EQ(set.ReadString(u"ToolTips" + n, u"").value, b.tip) << i;
            EXPECT_EQ(set.ReadBoolean(u"BtnEnabled" + n, false).value, b.disabled) << i;  // True: disabled
            EXPECT_EQ(set.ReadInt32(u"BtnStyle" + n, 0).value, 1) << i;
            EXPECT_EQ(set.Find(u"Caption" + n), nullptr) << "an empty caption is its default";
        }
        EXPECT_EQ(set.Find(u"ToolTips10"), nullptr);

        const tessel32::WriteResult again = tessel32::EncodePropertySet(set.entries());
        ASSERT_TRUE(again.ok());
        EXPECT_EQ(again.bytes, bytes) << "the generator and the library's writer lay sets out alike";
    }
}

}  // namespace
