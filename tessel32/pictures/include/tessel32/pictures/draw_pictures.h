#pragma once
// clsDrawPictures: the drawing class behind the strip conversion. It holds a device
// context of the whole screen from its creation to its end; every memory context it makes is
// compatible with that one.
#include <windows.h>

#include "tessel32/pictures/picture.h"
#include "tessel32/pictures/picture_holders.h"
#include "win32/unique_handle.h"

namespace tessel32 {

class clsDrawPictures {
public:
    clsDrawPictures();  // GetDC of no window; ReleaseDC when the object ends
    clsDrawPictures(const clsDrawPictures&) = delete;
    clsDrawPictures& operator=(const clsDrawPictures&) = delete;

    HDC ScreenDC() const { return screen_.Get(); }

    // Draws lWidth x lHeight of picSource at (lLeft, lTop) of lhdcDest, leaving the destination
    // as it was where the picture has lMaskColor. The monochrome mask takes the destination's own
    // colours: its background colour where the mask colour was, its text colour elsewhere, so a
    // destination with black text colour gives the picture on the destination's background.
    void DrawTransparentBitmap(HDC lhdcDest, const Picture& picSource, int lLeft, int lTop, int lWidth, int lHeight,
                               COLORREF lMaskColor, HPALETTE lhPal);

    // Replaces MaskColor in SrcCntrl's picture by the button face colour, drawing on Cntrl, which
    // ends with the empty picture.
    void ChangeBitmapBackColor(ImageBox& SrcCntrl, PictureBox& Cntrl, COLORREF MaskColor);

private:
    win32::WindowDC screen_;
};

}  // namespace tessel32
