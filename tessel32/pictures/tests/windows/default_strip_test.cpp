// The default strip as the library embeds it: the BITMAP resource, loaded as a picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "gdi_test_support.h"
#include "tessel32/pictures/default_strip.h"

namespace tessel32 {
namespace {

using testing::ReadPixels;

constexpr std::array<COLORREF, 16> kStandardPalette{
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0), RGB(0, 0, 128),   RGB(128, 0, 128),
    RGB(0, 128, 128),   RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0), RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

TEST(DefaultStrip, LoadsAs720By16In16Colours) {
    const Picture strip = LoadDefaultStrip(GetModuleHandleW(nullptr));
    ASSERT_TRUE(strip.Handle());
    const SIZE size = strip.PixelSize();
    EXPECT_EQ(size.cx, kDefaultStripWidth);
    EXPECT_EQ(size.cx, 720);
    EXPECT_EQ(size.cy, 16);

    // A DIB section with the strip's own colour table: the standard palette in order.
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(strip.Handle(), sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
    EXPECT_EQ(dib.dsBmih.biBitCount, 4);
    win32::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    HGDIOBJ previous = SelectObject(dc.Get(), strip.Handle());
    std::array<RGBQUAD, 16> table{};
    ASSERT_EQ(GetDIBColorTable(dc.Get(), 0, 16, table.data()), 16u);
    SelectObject(dc.Get(), previous);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue), kStandardPalette[i]) << "colour " << i;
    }
}

TEST(DefaultStrip, IsDrawnInThePaletteOnCyan) {
    const Picture strip = LoadDefaultStrip(GetModuleHandleW(nullptr));
    const auto pixels = ReadPixels(strip);
    ASSERT_EQ(pixels.width, 720);
    std::map<COLORREF, int> uses;
    for (COLORREF c : pixels.colors) ++uses[c];
    for (const auto& [colour, count] : uses) {
        EXPECT_NE(std::find(kStandardPalette.begin(), kStandardPalette.end(), colour), kStandardPalette.end())
            << std::hex << colour << " is not a palette colour";
    }
    // Cyan is the background: the colour used most, and present in every image.
    const auto most = std::max_element(uses.begin(), uses.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_EQ(most->first, kDefaultStripBackground);
    EXPECT_EQ(kDefaultStripBackground, 16776960u);  // the default MaskColor
    for (int image = 0; image < kDefaultStripImageCount; ++image) {
        int cyan = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) cyan += pixels.At(image * 16 + x, y) == kDefaultStripBackground;
        }
        EXPECT_GT(cyan, 0) << "image " << image;
        EXPECT_LT(cyan, 256) << "image " << image << " is empty";
    }
}

TEST(DefaultStrip, AModuleWithoutTheResourceGivesTheEmptyPicture) {
    const Picture strip = LoadDefaultStrip(GetModuleHandleW(L"kernel32.dll"));
    EXPECT_TRUE(strip);
    EXPECT_EQ(strip.Handle(), nullptr);
}

}  // namespace
}  // namespace tessel32
