#pragma once
// A picture object, as the control's Picture property and its picture holders pass it around: an
// OLE picture (IPicture), shared by reference like any object, that owns its bitmap and deletes
// it when the last reference goes.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "win32/com_ptr.h"
#include "win32/unique_handle.h"

namespace tessel32 {

class Picture {
public:
    // No picture object at all.
    Picture() = default;

    // The platform's empty picture (a picture of no type, as loading a picture from no file
    // gives): Handle() is null.
    static Picture Empty();
    // A picture that takes over the bitmap and deletes it when its last reference goes. If the
    // picture object cannot be made, the bitmap is deleted here and the result is no picture.
    static Picture FromBitmap(win32::UniqueBitmap bitmap);
    // Shares a picture object made elsewhere (for example one a container hands over).
    static Picture FromInterface(IPicture* picture);

    IPicture* Get() const { return picture_.Get(); }
    explicit operator bool() const { return static_cast<bool>(picture_); }
    bool SameObject(const Picture& other) const { return picture_.Get() == other.picture_.Get(); }

    // The bitmap handle, the picture's default value; null for no or an empty picture.
    HBITMAP Handle() const;
    // The bitmap's size in pixels; 0 x 0 without a bitmap.
    SIZE PixelSize() const;

private:
    explicit Picture(win32::ComPtr<IPicture> picture) : picture_(std::move(picture)) {}
    win32::ComPtr<IPicture> picture_;
};

}  // namespace tessel32
