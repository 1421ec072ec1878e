#include "tessel32/pictures/control_pictures.h"

namespace tessel32 {

ControlPictures::ControlPictures(HWND surface) : Image1(surface), Image2(surface), Picture1(surface) {}

void ControlPictures::SetPictureProperty(Picture picture, bool design_time) {
    if (design_time) Image2.SetPicture(picture);
    Image1.SetPicture(std::move(picture));
}

void ControlPictures::ConvertPicture(ImageBox& ScrImage, PictureBox& DestImage, COLORREF MaskColor) {
    DestImage.SetWidth(ScrImage.Width());
    DestImage.SetHeight(ScrImage.Height());
    DestImage.SetBorderStyle(PictureBox::kNoBorder);
    Drawing().ChangeBitmapBackColor(ScrImage, DestImage, MaskColor);
}

void ControlPictures::RedoPic(COLORREF MaskColor) {
    Image2.SetPicture(Image1.GetPicture());
    ConvertPicture(Image2, Picture1, MaskColor);
}

clsDrawPictures& ControlPictures::Drawing() {
    if (!drawing_) drawing_.emplace();
    return *drawing_;
}

}  // namespace tessel32
