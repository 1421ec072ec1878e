#pragma once
// The built-in default image strip that Image1 holds in a new control: 45 images of
// 16 x 16 side by side in the standard 16-colour palette on cyan. The bitmap is generated at build
// time from the pixel maps in tessel32/pictures/default_strip/ and embedded as the BITMAP resource
// TESSEL32_IDB_DEFAULT_STRIP (target tessel32_default_strip_resource).
#include <windows.h>

#include "tessel32/pictures/default_strip_resource.h"
#include "tessel32/pictures/picture.h"

namespace tessel32 {

inline constexpr int kDefaultStripImageSize = 16;
inline constexpr int kDefaultStripImageCount = 45;
inline constexpr int kDefaultStripWidth = kDefaultStripImageSize * kDefaultStripImageCount;  // 720
// The strip's background, which is the default MaskColor 16776960 (red 0, green 255, blue 255).
inline constexpr COLORREF kDefaultStripBackground = RGB(0, 255, 255);
// The number of images the toolbar is told the strip holds: five more than the default strip has.
inline constexpr int kStripImagesForToolbar = 50;

// The default strip from the module that embeds it, as a picture that owns its bitmap (a DIB
// section in the strip's own 16 colours); the empty picture if the module has no such resource.
Picture LoadDefaultStrip(HMODULE module);

}  // namespace tessel32
