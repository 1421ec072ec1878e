#pragma once
// The control's side of picture handling: its three picture holders, the Picture
// property over them, and the conversion (ConvertPicture, RedoPic) done by one clsDrawPictures
// that the control makes on first use and keeps.
#include <windows.h>

#include "tessel32/pictures/draw_pictures.h"
#include "tessel32/pictures/picture.h"
#include "tessel32/pictures/picture_holders.h"

#include <optional>

namespace tessel32 {

class ControlPictures {
public:
    // surface: the control's own window, of which the holders are hidden parts (may be null).
    explicit ControlPictures(HWND surface = nullptr);

    ImageBox Image1;      // the strip as loaded or assigned: the Picture property
    ImageBox Image2;      // the converted strip the toolbar draws from
    PictureBox Picture1;  // the conversion's drawing surface; empty between conversions

    // The Picture property. get: Image1's picture. set: Image1 takes it; at design time Image2
    // takes it too (unconverted until the next conversion).
    const Picture& GetPictureProperty() const { return Image1.GetPicture(); }
    void SetPictureProperty(Picture picture, bool design_time);

    // GetPicture: Image2's picture, the converted strip.
    const Picture& GetPicture() const { return Image2.GetPicture(); }

    // ConvertPicture(ScrImage, DestImage, MaskColor): DestImage takes ScrImage's size and no
    // border, then ScrImage's picture is converted in place with DestImage as drawing surface.
    void ConvertPicture(ImageBox& ScrImage, PictureBox& DestImage, COLORREF MaskColor);

    // RedoPic: Image2 takes Image1's picture, then ConvertPicture(Image2, Picture1, MaskColor).
    // Image1 keeps its picture, so doing it twice gives what once gives.
    void RedoPic(COLORREF MaskColor);

    clsDrawPictures& Drawing();

private:
    std::optional<clsDrawPictures> drawing_;
};

}  // namespace tessel32
