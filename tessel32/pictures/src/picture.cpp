#include "tessel32/pictures/picture.h"

namespace tessel32 {
namespace {

win32::ComPtr<IPicture> Create(PICTDESC& description, BOOL own) {
    description.cbSizeofstruct = sizeof(description);
    win32::ComPtr<IPicture> picture;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPicture, own, picture.PutVoid()))) return {};
    return picture;
}

}  // namespace

Picture Picture::Empty() {
    PICTDESC description{};
    description.picType = PICTYPE_NONE;
    return Picture(Create(description, FALSE));
}

Picture Picture::FromBitmap(win32::UniqueBitmap bitmap) {
    if (!bitmap) return Picture::Empty();
    PICTDESC description{};
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap.Get();
    win32::ComPtr<IPicture> picture = Create(description, TRUE);
    if (picture) bitmap.Release();  // the picture owns it now
    return Picture(std::move(picture));
}

Picture Picture::FromInterface(IPicture* picture) { return Picture(win32::ComPtr<IPicture>::Share(picture)); }

HBITMAP Picture::Handle() const {
    if (!picture_) return nullptr;
    SHORT type = PICTYPE_NONE;
    if (FAILED(picture_->get_Type(&type)) || type != PICTYPE_BITMAP) return nullptr;
    OLE_HANDLE handle = 0;
    if (FAILED(picture_->get_Handle(&handle))) return nullptr;
    return static_cast<HBITMAP>(ULongToHandle(handle));
}

SIZE Picture::PixelSize() const {
    BITMAP info{};
    HBITMAP bitmap = Handle();
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

}  // namespace tessel32
