#pragma once
// Scoped selections into a device context: each puts back what it replaced when it ends, so that
// the objects a context was handed can be deleted after it.
#include <windows.h>

namespace win32 {

// SelectObject for the lifetime of the object.
class ObjectSelection {
public:
    ObjectSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;
    ~ObjectSelection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    // False when the object could not be selected (for example a null handle).
    bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SelectPalette (and RealizePalette) for the lifetime of the object; the previous palette is
// selected back the same way and realised again.
class PaletteSelection {
public:
    PaletteSelection(HDC dc, HPALETTE palette, BOOL background)
        : dc_(dc), background_(background), previous_(SelectPalette(dc, palette, background)) {
        RealizePalette(dc_);
    }
    PaletteSelection(const PaletteSelection&) = delete;
    PaletteSelection& operator=(const PaletteSelection&) = delete;
    ~PaletteSelection() {
        if (!previous_) return;
        SelectPalette(dc_, previous_, background_);
        RealizePalette(dc_);
    }

private:
    HDC dc_;
    BOOL background_;
    HPALETTE previous_;
};

}  // namespace win32
