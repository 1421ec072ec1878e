// The picture holders and picture objects on their own.
#include <windows.h>

#include <gtest/gtest.h>

#include "gdi_test_support.h"
#include "tessel32/pictures/control_pictures.h"
#include "tessel32/pictures/picture_holders.h"

namespace tessel32 {
namespace {

using testing::MakeBitmap;
using testing::ReadPixels;

Picture Solid(int width, int height, COLORREF colour) {
    return Picture::FromBitmap(MakeBitmap(width, height, [=](int, int) { return colour; }));
}

TEST(PictureObject, DeletesItsBitmapWithItsLastReference) {
    Picture first = Solid(3, 2, RGB(1, 2, 3));
    const HBITMAP bitmap = first.Handle();
    ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(first.PixelSize().cx, 3);
    EXPECT_EQ(first.PixelSize().cy, 2);
    Picture second = first;
    EXPECT_TRUE(second.SameObject(first));
    first = Picture();
    EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    second = Picture();
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST(PictureObject, TheEmptyPictureHasNoBitmap) {
    const Picture empty = Picture::Empty();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty.Handle(), nullptr);
    EXPECT_EQ(empty.PixelSize().cx, 0);
    SHORT type = -1;
    ASSERT_EQ(empty.Get()->get_Type(&type), S_OK);
    EXPECT_EQ(type, PICTYPE_NONE);
}

TEST(ImageBox, TakesThePicturesSizeAndKeepsItForTheEmptyPicture) {
    ImageBox image;
    EXPECT_TRUE(image.Visible());
    EXPECT_EQ(image.GetPicture().Handle(), nullptr);
    image.SetPicture(Solid(40, 8, RGB(255, 0, 0)));
    EXPECT_EQ(image.Width(), 40);
    EXPECT_EQ(image.Height(), 8);
    image.SetPicture(Picture::Empty());
    EXPECT_EQ(image.Width(), 40);
    EXPECT_EQ(image.GetPicture().Handle(), nullptr);
}

TEST(PictureBox, DrawsOnlyWithAutoRedrawAndInsideItsBorder) {
    PictureBox box;
    box.SetWidth(30);
    box.SetHeight(20);
    EXPECT_EQ(box.BorderStyle(), PictureBox::kFixedSingle);
    EXPECT_EQ(box.hDC(), nullptr);
    EXPECT_EQ(box.Image().Handle(), nullptr);
    box.SetAutoRedraw(true);
    ASSERT_NE(box.hDC(), nullptr);
    EXPECT_EQ(box.Image().PixelSize().cx, 26);
    EXPECT_EQ(box.Image().PixelSize().cy, 16);
    box.SetBorderStyle(PictureBox::kNoBorder);
    EXPECT_EQ(box.Image().PixelSize().cx, 30);
    EXPECT_EQ(box.Image().PixelSize().cy, 20);
    EXPECT_EQ(GetTextColor(box.hDC()), RGB(0, 0, 0));
}

TEST(PictureBox, BackColourClearsTheDrawingAndThePictureIsItsBackground) {
    PictureBox box;
    box.SetBorderStyle(PictureBox::kNoBorder);
    box.SetWidth(10);
    box.SetHeight(4);
    box.SetAutoRedraw(true);
    box.SetBackColor(RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(box.hDC()), RGB(0, 0, 255));
    SetPixel(box.hDC(), 9, 3, RGB(255, 255, 255));
    const Picture drawn = box.Image();
    EXPECT_EQ(ReadPixels(drawn).At(9, 3), RGB(255, 255, 255));
    EXPECT_EQ(ReadPixels(drawn).At(0, 0), RGB(0, 0, 255));

    box.SetPicture(Solid(4, 2, RGB(255, 0, 0)));
    const auto with_picture = ReadPixels(box.Image());
    EXPECT_EQ(with_picture.At(3, 1), RGB(255, 0, 0));
    EXPECT_EQ(with_picture.At(4, 1), RGB(0, 0, 255));
    EXPECT_EQ(with_picture.At(9, 3), RGB(0, 0, 255));  // the drawing was cleared

    // An image taken earlier is a copy: later drawing leaves it alone.
    EXPECT_EQ(ReadPixels(drawn).At(9, 3), RGB(255, 255, 255));
    box.SetPicture(Picture::Empty());
    EXPECT_EQ(ReadPixels(box.Image()).At(3, 1), RGB(0, 0, 255));
}

TEST(PictureProperty, AtDesignTimeImage2TakesThePictureToo) {
    ControlPictures pictures;
    const Picture strip = Solid(32, 16, RGB(0, 255, 255));
    pictures.SetPictureProperty(strip, false);
    EXPECT_TRUE(pictures.GetPictureProperty().SameObject(strip));
    EXPECT_EQ(pictures.GetPicture().Handle(), nullptr);
    pictures.SetPictureProperty(strip, true);
    EXPECT_TRUE(pictures.GetPicture().SameObject(strip));
}

}  // namespace
}  // namespace tessel32
