#pragma once
// The control's picture holders, hidden parts of its own surface (which measures in pixels), with
// just the properties the picture handling uses.
//
// ImageBox is an image control (Image1, Image2): it shows a picture and takes the picture's size.
// PictureBox is a picture box (Picture1): a drawing surface whose persistent drawing (AutoRedraw)
// lives in a memory bitmap behind hDC, with a background colour and a background picture.
#include <windows.h>

#include "tessel32/pictures/picture.h"
#include "win32/gdi_selection.h"
#include "win32/unique_handle.h"

#include <memory>

namespace tessel32 {

class ImageBox {
public:
    // owner: the window whose surface the image is part of (may be null: nothing to repaint).
    explicit ImageBox(HWND owner = nullptr);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Pixels. An image takes the size of each picture it is given; an empty picture leaves it.
    int Width() const { return width_; }
    int Height() const { return height_; }

    const Picture& GetPicture() const { return picture_; }
    void SetPicture(Picture picture);

    // Repaints the image's part of the owner window when it is shown.
    void Refresh() const;

private:
    HWND owner_;
    bool visible_ = true;
    int width_ = 0;
    int height_ = 0;
    Picture picture_;
};

class PictureBox {
public:
    // BorderStyle values.
    static constexpr int kNoBorder = 0;
    static constexpr int kFixedSingle = 1;
    // Width of the fixed-single (3-D) border on each side, in pixels.
    static constexpr int kBorderPixels = 2;

    explicit PictureBox(HWND owner = nullptr);
    ~PictureBox();
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    // Outer size in pixels, border included; the drawing area is the inside.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width);
    void SetHeight(int height);

    int BorderStyle() const { return border_style_; }
    void SetBorderStyle(int style);

    // With AutoRedraw the box keeps a persistent drawing, and hDC draws into it.
    bool AutoRedraw() const { return auto_redraw_; }
    void SetAutoRedraw(bool auto_redraw);

    // The device context to draw into: the persistent drawing's while AutoRedraw is set, else
    // none (this box has no window of its own to draw on).
    HDC hDC() const;

    // Setting the back colour clears the drawing to it (the background picture stays). It is also
    // the device context's background colour; the text colour is black.
    COLORREF BackColor() const { return back_color_; }
    void SetBackColor(COLORREF color);

    // The background picture: setting it redraws the persistent drawing as back colour with the
    // picture at (0, 0).
    const Picture& GetPicture() const { return picture_; }
    void SetPicture(Picture picture);

    // The persistent drawing as a picture: a copy of it in a new bitmap that the returned picture
    // owns. The empty picture without a persistent drawing.
    Picture Image() const;

    // Repaints the box's part of the owner window when it is shown.
    void Refresh() const;

private:
    struct Surface;
    int InnerWidth() const;
    int InnerHeight() const;
    void Rebuild();  // persistent drawing at the current inner size, then Redraw
    void Redraw();   // back colour, then the background picture

    HWND owner_;
    int width_ = 0;
    int height_ = 0;
    int border_style_ = kFixedSingle;
    bool auto_redraw_ = false;
    COLORREF back_color_;
    Picture picture_;
    std::unique_ptr<Surface> surface_;
};

}  // namespace tessel32
