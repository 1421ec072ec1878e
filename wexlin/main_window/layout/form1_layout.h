#pragma once
// Form1's resize rule: eighteen assignments, in order, from the window's outer size, in twips
// and single precision. Each reads what the earlier ones left. An assignment of a negative width
// or height is refused, as the window refuses it, and the control keeps its old value; nothing
// is clamped. The toolbars and the status bar are not moved.

namespace wexlin {

struct LayoutRect {
    float left, top, width, height;
};

// The controls the rule moves, each measured inside its parent: the frames inside the window,
// the rest inside their frames.
struct Form1Layout {
    LayoutRect frame1, frame2;
    LayoutRect text1, text2;
    LayoutRect command1, command2;
    LayoutRect picture1, picture2;
};

struct LayoutInputs {
    float outer_width, outer_height;  // border, title bar and menu bar included
    float status_bar_height;
    float tessel1_height, tessel2_height;
};

void LayOutForm1(const LayoutInputs& inputs, Form1Layout& controls);

}  // namespace wexlin
