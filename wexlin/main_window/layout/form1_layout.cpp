#include "form1_layout.h"

namespace wexlin {
namespace {

// A width or height the window accepts: anything but a negative size.
void SetSize(float& property, float value) {
    if (value >= 0.0f) property = value;
}

}  // namespace

void LayOutForm1(const LayoutInputs& in, Form1Layout& c) {
    const float w = in.outer_width, h = in.outer_height;
    c.frame2.left = 60.0f;                                                                  // 1
    c.frame2.top = 0.0f;                                                                    // 2
    SetSize(c.frame2.width, w / 2.0f - 240.0f);                                             // 3
    c.frame1.top = 0.0f;                                                                    // 4
    c.frame1.left = c.frame2.left + c.frame2.width + 120.0f;                                // 5
    SetSize(c.frame1.width, w / 2.0f - 100.0f);                                             // 6
    SetSize(c.frame2.height, h - in.status_bar_height - 700.0f);                            // 7
    SetSize(c.frame1.height, h - in.status_bar_height - 700.0f);                            // 8
    SetSize(c.text2.width, c.frame2.width - 240.0f);                                        // 9
    SetSize(c.text2.height, c.frame2.height - in.tessel1_height - c.command2.height - 400.0f);  // 10
    SetSize(c.text1.width, c.frame1.width - 240.0f);                                        // 11
    SetSize(c.text1.height, c.frame1.height - in.tessel2_height - c.command1.height - 400.0f);  // 12
    c.command2.top = c.text2.top + c.text2.height + 60.0f;                                  // 13
    c.command2.left = c.frame2.width - c.command2.width - 120.0f;                           // 14
    c.command1.top = c.text1.top + c.text1.height + 60.0f;                                  // 15
    c.picture1.top = c.text2.top + c.text2.height + 60.0f;                                  // 16
    c.picture2.top = c.text1.top + c.text1.height + 60.0f;                                  // 17
    c.picture2.left = c.frame1.width - c.picture2.width - 120.0f;                           // 18
}

}  // namespace wexlin
