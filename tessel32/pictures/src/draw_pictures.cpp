#include "tessel32/pictures/draw_pictures.h"

#include "win32/gdi_selection.h"

namespace tessel32 {
namespace {

// The raster operation "destination AND NOT source" (DSna).
constexpr DWORD kDestinationAndNotSource = 0x220326;

}  // namespace

clsDrawPictures::clsDrawPictures() : screen_(nullptr) {}

void clsDrawPictures::DrawTransparentBitmap(HDC lhdcDest, const Picture& picSource, int lLeft, int lTop, int lWidth,
                                            int lHeight, COLORREF lMaskColor, HPALETTE lhPal) {
    HDC screen = screen_.Get();

    // 1. Source context: the picture's bitmap in a new memory context (a picture without a bitmap
    //    leaves the context empty).
    win32::UniqueMemoryDC source(CreateCompatibleDC(screen));
    win32::ObjectSelection source_bitmap(source.Get(), picSource.Handle());

    // 2. Colour copy: a compatible bitmap in a second context, with the palette as background
    //    palette, the source's colours, and the source copied in.
    win32::UniqueMemoryDC colour(CreateCompatibleDC(screen));
    win32::UniqueBitmap colour_bitmap(CreateCompatibleBitmap(screen, lWidth, lHeight));
    win32::ObjectSelection colour_selection(colour.Get(), colour_bitmap.Get());
    win32::PaletteSelection colour_palette(colour.Get(), lhPal, TRUE);
    SetBkColor(colour.Get(), GetBkColor(source.Get()));
    SetTextColor(colour.Get(), GetTextColor(source.Get()));
    BitBlt(colour.Get(), 0, 0, lWidth, lHeight, source.Get(), 0, 0, SRCCOPY);

    // 3. Mask: monochrome, white where the colour copy has the mask colour, black elsewhere.
    win32::UniqueMemoryDC mask(CreateCompatibleDC(screen));
    win32::UniqueBitmap mask_bitmap(CreateBitmap(lWidth, lHeight, 1, 1, nullptr));
    win32::ObjectSelection mask_selection(mask.Get(), mask_bitmap.Get());
    SetBkColor(colour.Get(), lMaskColor);
    SetTextColor(colour.Get(), RGB(255, 255, 255));
    BitBlt(mask.Get(), 0, 0, lWidth, lHeight, colour.Get(), 0, 0, SRCCOPY);

    // 4. Blacken the mask-coloured pixels of the colour copy.
    SetTextColor(colour.Get(), RGB(0, 0, 0));
    SetBkColor(colour.Get(), RGB(255, 255, 255));
    BitBlt(colour.Get(), 0, 0, lWidth, lHeight, mask.Get(), 0, 0, kDestinationAndNotSource);

    // 5. Into the destination: the mask (keeps the destination where it is white, blackens it
    //    elsewhere), then the colour copy on top.
    BitBlt(lhdcDest, lLeft, lTop, lWidth, lHeight, mask.Get(), 0, 0, SRCAND);
    BitBlt(lhdcDest, lLeft, lTop, lWidth, lHeight, colour.Get(), 0, 0, SRCPAINT);

    // 6. The scopes end in reverse order: the mask bitmap is selected out and deleted with its
    //    context; the colour copy's previous palette is selected back and realised, its bitmap
    //    selected out and deleted with its context; the picture's bitmap is selected out of the
    //    source context, which is deleted. The picture keeps its bitmap.
}

void clsDrawPictures::ChangeBitmapBackColor(ImageBox& SrcCntrl, PictureBox& Cntrl, COLORREF MaskColor) {
    // 1.
    SrcCntrl.SetVisible(false);
    Cntrl.SetAutoRedraw(true);
    // 2. Made here, so deleted here, after the drawing that selects it.
    win32::UniquePalette palette(CreateHalftonePalette(Cntrl.hDC()));
    // 3.
    Cntrl.SetBackColor(GetSysColor(COLOR_BTNFACE));
    // 4.
    DrawTransparentBitmap(Cntrl.hDC(), SrcCntrl.GetPicture(), 0, 0, SrcCntrl.Width(), SrcCntrl.Height(), MaskColor,
                          palette.Get());
    // 5.
    Cntrl.SetPicture(Cntrl.Image());
    SrcCntrl.SetPicture(Cntrl.Image());
    // 6.
    SrcCntrl.Refresh();
    Cntrl.Refresh();
    Cntrl.SetPicture(Picture::Empty());
}

}  // namespace tessel32
