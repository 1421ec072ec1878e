// The strip conversion (ConvertPicture, RedoPic, clsDrawPictures) checked pixel by pixel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "gdi_test_support.h"
#include "tessel32/pictures/control_pictures.h"
#include "tessel32/pictures/default_strip.h"

namespace tessel32 {
namespace {

using testing::GdiObjectCount;
using testing::MakeBitmap;
using testing::ReadPixels;

constexpr COLORREF kCyan = RGB(0, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }

Picture DefaultStrip() { return LoadDefaultStrip(GetModuleHandleW(nullptr)); }

// Checks that converted is source with every pixel of the mask colour turned into the face colour.
void ExpectMaskReplaced(const testing::Pixels& source, const testing::Pixels& converted, COLORREF mask) {
    ASSERT_EQ(converted.width, source.width);
    ASSERT_EQ(converted.height, source.height);
    int replaced = 0, kept = 0, wrong = 0;
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            const COLORREF want = source.At(x, y) == mask ? Face() : source.At(x, y);
            (source.At(x, y) == mask ? replaced : kept) += 1;
            if (converted.At(x, y) != want && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << converted.At(x, y) << " instead of "
                              << want;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(replaced, 0) << "the mask colour occurs";
    EXPECT_GT(kept, 0) << "other colours occur";
}

// The control's pictures with the default strip in Image1, converted once with a mask colour.
struct ConvertedDefaultStrip {
    explicit ConvertedDefaultStrip(COLORREF mask) : strip(DefaultStrip()) {
        pictures.Image1.SetPicture(strip);
        pictures.RedoPic(mask);
        source = ReadPixels(strip);
        converted = ReadPixels(pictures.GetPicture());
    }
    ControlPictures pictures;
    Picture strip;
    testing::Pixels source, converted;
};

TEST(StripConversion, TheMaskColourBecomesTheButtonFaceColour) {
    ConvertedDefaultStrip run(16776960);
    ControlPictures& pictures = run.pictures;
    const Picture& strip = run.strip;
    const auto& source = run.source;
    ExpectMaskReplaced(source, run.converted, kCyan);

    // Image2 holds a new picture; Image1 keeps the unconverted strip; Picture1 ends empty.
    EXPECT_FALSE(pictures.GetPicture().SameObject(strip));
    EXPECT_TRUE(pictures.GetPictureProperty().SameObject(strip));
    EXPECT_EQ(ReadPixels(strip).colors, source.colors);
    EXPECT_EQ(pictures.Picture1.GetPicture().Handle(), nullptr);
    EXPECT_FALSE(pictures.Image2.Visible());
    EXPECT_TRUE(pictures.Picture1.AutoRedraw());
    EXPECT_EQ(pictures.Picture1.BorderStyle(), PictureBox::kNoBorder);
    EXPECT_EQ(pictures.Picture1.Width(), 720);
    EXPECT_EQ(pictures.Picture1.Height(), 16);
    EXPECT_EQ(pictures.Picture1.BackColor(), Face());
}

TEST(StripConversion, WithMaskColourZeroTheBlackOutlinesBecomeFaceColouredAndCyanStays) {
    ConvertedDefaultStrip run(0);
    ExpectMaskReplaced(run.source, run.converted, kBlack);
    int cyan = 0;
    for (COLORREF c : run.converted.colors) cyan += c == kCyan;
    EXPECT_GT(cyan, 720 * 16 / 3);
}

TEST(StripConversion, RedoPicTwiceGivesWhatOnceGives) {
    ControlPictures pictures;
    pictures.Image1.SetPicture(DefaultStrip());
    pictures.RedoPic(16776960);
    const auto once = ReadPixels(pictures.GetPicture());
    pictures.RedoPic(16776960);
    const auto twice = ReadPixels(pictures.GetPicture());
    EXPECT_EQ(once.width, 720);
    EXPECT_EQ(twice.colors, once.colors);
}

TEST(StripConversion, ConvertPictureWorksOnAnyHolders) {
    // The control member works on the holders it is given, not only on Image2 and Picture1.
    ControlPictures pictures;
    ImageBox image;
    PictureBox surface;
    const Picture strip = DefaultStrip();
    image.SetPicture(strip);
    pictures.ConvertPicture(image, surface, 16776960);
    ExpectMaskReplaced(ReadPixels(strip), ReadPixels(image.GetPicture()), kCyan);
    EXPECT_EQ(surface.GetPicture().Handle(), nullptr);
    EXPECT_EQ(pictures.Image2.GetPicture().Handle(), nullptr);
}

TEST(StripConversion, AThirtyTwoPixelStripIsCutIntoThirtyTwoPixelCells) {
    // Four 32 x 32 images on cyan, each a frame of its own colour around a square at its own place.
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(128, 0, 128)};
    const Picture strip = Picture::FromBitmap(MakeBitmap(128, 32, [&](int x, int y) {
        const int n = x / 32, cx = x % 32;
        if (cx == 0 || y == 0 || cx == 31 || y == 31) return colours[n];
        if (cx >= 4 + 5 * n && cx < 10 + 5 * n && y >= 4 + 5 * n && y < 10 + 5 * n) return kBlack;
        return kCyan;
    }));
    ControlPictures pictures;
    pictures.Image1.SetPicture(strip);
    pictures.RedoPic(16776960);
    const auto converted = ReadPixels(pictures.GetPicture());
    ExpectMaskReplaced(ReadPixels(strip), converted, kCyan);

    // Cut as a toolbar cuts its strip: an image list of 32 x 32 images.
    HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR32, 4, 0);
    ASSERT_TRUE(list);
    EXPECT_EQ(ImageList_Add(list, pictures.GetPicture().Handle(), nullptr), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 4);
    win32::WindowDC screen(nullptr);
    for (int n = 0; n < 4; ++n) {
        win32::UniqueBitmap cell(CreateCompatibleBitmap(screen.Get(), 32, 32));
        win32::UniqueMemoryDC dc(CreateCompatibleDC(screen.Get()));
        HGDIOBJ previous = SelectObject(dc.Get(), cell.Get());
        ASSERT_TRUE(ImageList_Draw(list, n, dc.Get(), 0, 0, ILD_NORMAL));
        SelectObject(dc.Get(), previous);
        const auto drawn = ReadPixels(cell.Get());
        int wrong = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) wrong += drawn.At(x, y) != converted.At(32 * n + x, y);
        }
        EXPECT_EQ(wrong, 0) << "image " << n << " is the cell at x = " << 32 * n;
        EXPECT_EQ(drawn.At(0, 0), colours[n]);
        EXPECT_EQ(drawn.At(4 + 5 * n, 4 + 5 * n), kBlack);
        EXPECT_EQ(drawn.At(20, 28), Face());
    }
    ImageList_Destroy(list);
}

TEST(StripConversion, WithoutAPictureTheConversionGivesAnEmptyStrip) {
    ControlPictures pictures;
    pictures.RedoPic(16776960);
    EXPECT_EQ(pictures.GetPicture().Handle(), nullptr);
    EXPECT_EQ(pictures.Picture1.GetPicture().Handle(), nullptr);
}

TEST(DrawTransparentBitmap, LeavesTheDestinationWhereThePictureHasTheMaskColour) {
    // A destination filled with its own background colour and black as text colour, as the
    // control's drawing surface is: the picture lands at (5, 3), the mask colour shows through.
    const COLORREF ground = RGB(10, 200, 30);
    const Picture picture = Picture::FromBitmap(MakeBitmap(8, 6, [](int x, int y) {
        return (x + y) % 3 == 0 ? RGB(255, 255, 0) : (x < 4 ? RGB(0, 0, 128) : RGB(255, 255, 255));
    }));
    clsDrawPictures draw;
    win32::UniqueBitmap target(CreateCompatibleBitmap(draw.ScreenDC(), 20, 12));
    win32::UniqueMemoryDC dc(CreateCompatibleDC(draw.ScreenDC()));
    HGDIOBJ previous = SelectObject(dc.Get(), target.Get());
    SetBkColor(dc.Get(), ground);
    SetTextColor(dc.Get(), kBlack);
    const RECT all{0, 0, 20, 12};
    ExtTextOutW(dc.Get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    draw.DrawTransparentBitmap(dc.Get(), picture, 5, 3, 8, 6, RGB(255, 255, 0), nullptr);
    SelectObject(dc.Get(), previous);

    const auto source = ReadPixels(picture);
    const auto result = ReadPixels(target.Get());
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 5 && x < 13 && y >= 3 && y < 9;
            COLORREF want = ground;
            if (inside && source.At(x - 5, y - 3) != RGB(255, 255, 0)) want = source.At(x - 5, y - 3);
            EXPECT_EQ(result.At(x, y), want) << "pixel (" << x << ", " << y << ")";
        }
    }
}

TEST(GdiObjectCount, SeesObjectsComeAndGo) {
    const long before = GdiObjectCount();
    ASSERT_GT(before, 0);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 1, nullptr);
    EXPECT_EQ(GdiObjectCount(), before + 1);
    DeleteObject(bitmap);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(StripConversion, LeaksNoGdiObjectsAcrossAThousandConversions) {
    {  // Once through, so that whatever the system makes on first use exists already.
        ControlPictures warm_up;
        warm_up.Image1.SetPicture(DefaultStrip());
        warm_up.RedoPic(16776960);
    }
    const long at_start = GdiObjectCount();
    {
        ControlPictures pictures;
        pictures.Image1.SetPicture(DefaultStrip());
        pictures.RedoPic(16776960);
        const long after_one = GdiObjectCount();
        for (int i = 0; i < 1000; ++i) pictures.RedoPic(i % 2 ? 16776960 : 0);
        EXPECT_EQ(GdiObjectCount(), after_one);
    }
    // The control's pictures gone: the strip's bitmaps and the screen context are released too.
    EXPECT_EQ(GdiObjectCount(), at_start);
}

}  // namespace
}  // namespace tessel32
