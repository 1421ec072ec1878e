#include "tessel32/pictures/picture_holders.h"

#include <algorithm>

namespace tessel32 {
namespace {

void InvalidatePart(HWND owner, int width, int height) {
    if (!owner) return;
    const RECT part{0, 0, width, height};
    InvalidateRect(owner, &part, TRUE);
}

// Copies a whole picture's bitmap to (0, 0) of a device context.
void DrawPicture(HDC dc, const Picture& picture) {
    HBITMAP bitmap = picture.Handle();
    if (!bitmap) return;
    const SIZE size = picture.PixelSize();
    win32::UniqueMemoryDC source(CreateCompatibleDC(dc));
    if (!source) return;
    win32::ObjectSelection selected(source.Get(), bitmap);
    if (selected.Selected()) BitBlt(dc, 0, 0, size.cx, size.cy, source.Get(), 0, 0, SRCCOPY);
}

}  // namespace

ImageBox::ImageBox(HWND owner) : owner_(owner), picture_(Picture::Empty()) {}

void ImageBox::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    InvalidatePart(owner_, width_, height_);
}

void ImageBox::SetPicture(Picture picture) {
    picture_ = picture ? std::move(picture) : Picture::Empty();
    if (picture_.Handle()) {
        const SIZE size = picture_.PixelSize();
        width_ = size.cx;
        height_ = size.cy;
    }
    if (visible_) InvalidatePart(owner_, width_, height_);
}

void ImageBox::Refresh() const {
    if (!visible_ || !owner_) return;
    InvalidatePart(owner_, width_, height_);
    UpdateWindow(owner_);
}

// The persistent drawing: a bitmap compatible with the screen, selected into a memory context.
// Members end in reverse order: the selection is undone before the bitmap and the context go.
struct PictureBox::Surface {
    win32::UniqueMemoryDC dc;
    win32::UniqueBitmap bitmap;
    std::unique_ptr<win32::ObjectSelection> selection;
    int width = 0;
    int height = 0;
};

PictureBox::PictureBox(HWND owner)
    : owner_(owner), back_color_(GetSysColor(COLOR_BTNFACE)), picture_(Picture::Empty()) {}

PictureBox::~PictureBox() = default;

int PictureBox::InnerWidth() const {
    return std::max(0, width_ - (border_style_ == kFixedSingle ? 2 * kBorderPixels : 0));
}

int PictureBox::InnerHeight() const {
    return std::max(0, height_ - (border_style_ == kFixedSingle ? 2 * kBorderPixels : 0));
}

void PictureBox::SetWidth(int width) {
    width_ = std::max(0, width);
    Rebuild();
}

void PictureBox::SetHeight(int height) {
    height_ = std::max(0, height);
    Rebuild();
}

void PictureBox::SetBorderStyle(int style) {
    border_style_ = style == kNoBorder ? kNoBorder : kFixedSingle;
    Rebuild();
}

void PictureBox::SetAutoRedraw(bool auto_redraw) {
    auto_redraw_ = auto_redraw;
    Rebuild();
}

HDC PictureBox::hDC() const { return surface_ ? surface_->dc.Get() : nullptr; }

void PictureBox::SetBackColor(COLORREF color) {
    back_color_ = color;
    Redraw();
}

void PictureBox::SetPicture(Picture picture) {
    picture_ = picture ? std::move(picture) : Picture::Empty();
    Redraw();
}

Picture PictureBox::Image() const {
    if (!surface_) return Picture::Empty();
    win32::WindowDC screen(nullptr);
    win32::UniqueBitmap copy(CreateCompatibleBitmap(screen.Get(), surface_->width, surface_->height));
    win32::UniqueMemoryDC dc(CreateCompatibleDC(screen.Get()));
    if (!copy || !dc) return Picture::Empty();
    {
        win32::ObjectSelection selected(dc.Get(), copy.Get());
        BitBlt(dc.Get(), 0, 0, surface_->width, surface_->height, surface_->dc.Get(), 0, 0, SRCCOPY);
    }
    return Picture::FromBitmap(std::move(copy));
}

void PictureBox::Refresh() const {
    if (!owner_) return;
    InvalidatePart(owner_, width_, height_);
    UpdateWindow(owner_);
}

void PictureBox::Rebuild() {
    const int width = InnerWidth();
    const int height = InnerHeight();
    if (!auto_redraw_ || width == 0 || height == 0) {
        surface_.reset();
        return;
    }
    if (surface_ && surface_->width == width && surface_->height == height) return;
    surface_.reset();
    auto surface = std::make_unique<Surface>();
    win32::WindowDC screen(nullptr);
    surface->dc.Reset(CreateCompatibleDC(screen.Get()));
    surface->bitmap.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!surface->dc || !surface->bitmap) return;
    surface->selection = std::make_unique<win32::ObjectSelection>(surface->dc.Get(), surface->bitmap.Get());
    surface->width = width;
    surface->height = height;
    SetTextColor(surface->dc.Get(), RGB(0, 0, 0));
    surface_ = std::move(surface);
    Redraw();
}

void PictureBox::Redraw() {
    if (!surface_) return;
    HDC dc = surface_->dc.Get();
    SetBkColor(dc, back_color_);
    const RECT all{0, 0, surface_->width, surface_->height};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);  // fills with the background colour
    DrawPicture(dc, picture_);
}

}  // namespace tessel32
