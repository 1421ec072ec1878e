// The generated default strip as a file: a 4-bit bitmap of 720 x 16 with the standard 16-colour
// palette, 45 images of 16 x 16 on cyan.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadStrip() {
    std::ifstream in(TESSEL32_DEFAULT_STRIP_BMP, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

constexpr int kWidth = 720, kHeight = 16, kCell = 16, kImages = 45, kCyan = 14;
constexpr std::size_t kInfo = 14, kPalette = 14 + 40, kPixels = kPalette + 64, kStride = 360;

// Standard 16-colour palette in order, as red, green, blue.
constexpr std::array<std::array<int, 3>, 16> kStandard{{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},
                                                         {128, 128, 0},   {0, 0, 128},   {128, 0, 128},
                                                         {0, 128, 128},   {192, 192, 192}, {128, 128, 128},
                                                         {255, 0, 0},     {0, 255, 0},   {255, 255, 0},
                                                         {0, 0, 255},     {255, 0, 255}, {0, 255, 255},
                                                         {255, 255, 255}}};

// Palette index of pixel (x, y), y counted from the top.
int Index(const std::vector<std::uint8_t>& b, int x, int y) {
    const std::uint8_t pair = b[kPixels + (kHeight - 1 - y) * kStride + x / 2];
    return x % 2 == 0 ? pair >> 4 : pair & 15;
}

TEST(DefaultStripFile, IsA4BitBitmapOf720By16) {
    const auto b = ReadStrip();
    ASSERT_EQ(b.size(), kPixels + kStride * kHeight);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), kPixels);
    EXPECT_EQ(U32(b, kInfo), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(U32(b, kInfo + 4)), kWidth);
    EXPECT_EQ(static_cast<std::int32_t>(U32(b, kInfo + 8)), kHeight);  // bottom-up
    EXPECT_EQ(U16(b, kInfo + 12), 1);                                  // planes
    EXPECT_EQ(U16(b, kInfo + 14), 4);                                  // bits per pixel
    EXPECT_EQ(U32(b, kInfo + 16), 0u);                                 // BI_RGB
    EXPECT_EQ(U32(b, kInfo + 32), 16u);                                // colours used
}

TEST(DefaultStripFile, HasTheStandardSixteenColourPalette) {
    const auto b = ReadStrip();
    ASSERT_GE(b.size(), kPixels);
    for (int i = 0; i < 16; ++i) {
        const std::size_t at = kPalette + 4 * i;  // blue, green, red, 0
        EXPECT_EQ(b[at + 2], kStandard[i][0]) << "colour " << i;
        EXPECT_EQ(b[at + 1], kStandard[i][1]) << "colour " << i;
        EXPECT_EQ(b[at], kStandard[i][2]) << "colour " << i;
        EXPECT_EQ(b[at + 3], 0) << "colour " << i;
    }
}

TEST(DefaultStripFile, EveryImageIsDrawnOnCyan) {
    const auto b = ReadStrip();
    ASSERT_EQ(b.size(), kPixels + kStride * kHeight);
    int cyan_total = 0;
    for (int image = 0; image < kImages; ++image) {
        int cyan = 0, edge_cyan = 0;
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                if (Index(b, image * kCell + x, y) != kCyan) continue;
                ++cyan;
                if (x == 0 || y == 0 || x == kCell - 1 || y == kCell - 1) ++edge_cyan;
            }
        }
        cyan_total += cyan;
        EXPECT_GT(edge_cyan, 0) << "image " << image << " has no background at its edge";
        EXPECT_LT(cyan, kCell * kCell - 8) << "image " << image << " is (nearly) empty";
    }
    EXPECT_GT(cyan_total, kWidth * kHeight / 3) << "cyan is the background";
}

}  // namespace
