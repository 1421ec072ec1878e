#include "tessel32/pictures/default_strip.h"

namespace tessel32 {

Picture LoadDefaultStrip(HMODULE module) {
    win32::UniqueBitmap bitmap(static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(TESSEL32_IDB_DEFAULT_STRIP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return Picture::FromBitmap(std::move(bitmap));
}

}  // namespace tessel32
