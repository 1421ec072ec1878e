#pragma once
// Form1's design geometry in twips (1/1440 inch), each child measured inside its parent.
// Pixels are derived from these with the window's DPI: twips per pixel = 1440 / DPI.
#include <array>

#include "form1_ids.h"

namespace wexlin {

struct TwipsRect {
    int left, top, width, height;
};

inline constexpr int kForm1ClientWidthTwips = 14160;
inline constexpr int kForm1ClientHeightTwips = 9240;
inline constexpr int kStatusBarHeightTwips = 315;
inline constexpr int kClockPanelWidthTwips = 1440;

struct ChildGeometry {
    int id;
    TwipsRect rect;
};

// Children in creation order; the encoded side comes first so that the keyboard focus moves
// Text2, Command2, Text1, Command1.
inline constexpr std::array<ChildGeometry, 8> kForm1DesignGeometry{{
    {IDC_FRAME2, {0, 0, 5895, 6135}},
    {IDC_TEXT2, {120, 600, 5655, 4695}},
    {IDC_COMMAND2, {4440, 5400, 1335, 615}},
    {IDC_PICTURE1, {120, 5400, 480, 480}},
    {IDC_FRAME1, {6000, 0, 5895, 6135}},
    {IDC_TEXT1, {120, 600, 5655, 4695}},
    {IDC_COMMAND1, {120, 5400, 1335, 615}},
    {IDC_PICTURE2, {5280, 5400, 465, 540}},
}};

// Rounds to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) {
    long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

constexpr int PixelsToTwips(int pixels, int dpi) {
    long long scaled = static_cast<long long>(pixels) * 1440;
    return static_cast<int>(scaled >= 0 ? (scaled + dpi / 2) / dpi : -((-scaled + dpi / 2) / dpi));
}

}  // namespace wexlin
