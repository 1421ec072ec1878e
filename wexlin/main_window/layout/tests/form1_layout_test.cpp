#include <gtest/gtest.h>

#include "form1_layout.h"

namespace wexlin {
namespace {

// The window as designed: frames 5895 x 6135, panes at 120, 600, buttons 1335 x 615.
Form1Layout DesignLayout() {
    return {
        {6000, 0, 5895, 6135}, {0, 0, 5895, 6135},      // frame1, frame2
        {120, 600, 5655, 4695}, {120, 600, 5655, 4695},  // text1, text2
        {120, 5400, 1335, 615}, {4440, 5400, 1335, 615}, // command1, command2
        {120, 5400, 480, 480}, {5280, 5400, 465, 540},   // picture1, picture2
    };
}

void ExpectRect(const LayoutRect& r, float left, float top, float width, float height, const char* what) {
    EXPECT_FLOAT_EQ(r.left, left) << what;
    EXPECT_FLOAT_EQ(r.top, top) << what;
    EXPECT_FLOAT_EQ(r.width, width) << what;
    EXPECT_FLOAT_EQ(r.height, height) << what;
}

TEST(Form1Layout, WorkedExample) {
    Form1Layout c = DesignLayout();
    LayOutForm1({14280, 9930, 315, 345, 345}, c);
    ExpectRect(c.frame2, 60, 0, 6900, 8915, "Frame2");
    ExpectRect(c.frame1, 7080, 0, 7040, 8915, "Frame1");
    ExpectRect(c.text2, 120, 600, 6660, 7555, "Text2");
    ExpectRect(c.text1, 120, 600, 6800, 7555, "Text1");
    ExpectRect(c.command2, 5445, 8215, 1335, 615, "Command2");
    ExpectRect(c.command1, 120, 8215, 1335, 615, "Command1");
    ExpectRect(c.picture1, 120, 8215, 480, 480, "Picture1");
    ExpectRect(c.picture2, 6455, 8215, 465, 540, "Picture2");
}

TEST(Form1Layout, WideningBy2000WidensEachFrameAndPaneBy1000) {
    Form1Layout before = DesignLayout(), after = DesignLayout();
    LayOutForm1({14280, 9930, 315, 345, 345}, before);
    LayOutForm1({16280, 9930, 315, 345, 345}, after);
    EXPECT_FLOAT_EQ(after.frame2.width - before.frame2.width, 1000);
    EXPECT_FLOAT_EQ(after.frame1.width - before.frame1.width, 1000);
    EXPECT_FLOAT_EQ(after.text2.width - before.text2.width, 1000);
    EXPECT_FLOAT_EQ(after.text1.width - before.text1.width, 1000);
    EXPECT_FLOAT_EQ(after.frame1.left - before.frame1.left, 1000);
}

TEST(Form1Layout, NegativeSizesAreSkippedAndLaterStepsReadTheOldValues) {
    struct Case {
        const char* name;
        float w, h;
        float frame2_width, frame1_left, frame1_width, frame_height, text2_height, command2_top;
    } cases[] = {
        // Narrower than 480: the left frame keeps its width, the right frame's left edge follows it.
        {"narrow", 400, 9930, 5895, 6075, 100, 8915, 7555, 8215},
        // Narrower than 200: the right frame keeps its width as well.
        {"very narrow", 150, 9930, 5895, 6075, 5895, 8915, 7555, 8215},
        // Too low for the frames: their heights stay, and so does all that depends on them.
        {"low", 14280, 900, 6900, 7080, 7040, 6135, 4775, 5435},
        // A minimized window's outer size.
        {"minimized", 160, 24, 5895, 6075, 5895, 6135, 4775, 5435},
    };
    for (const Case& c : cases) {
        Form1Layout layout = DesignLayout();
        LayOutForm1({c.w, c.h, 315, 345, 345}, layout);
        EXPECT_FLOAT_EQ(layout.frame2.width, c.frame2_width) << c.name;
        EXPECT_FLOAT_EQ(layout.frame1.left, c.frame1_left) << c.name;
        EXPECT_FLOAT_EQ(layout.frame1.width, c.frame1_width) << c.name;
        EXPECT_FLOAT_EQ(layout.frame2.height, c.frame_height) << c.name;
        EXPECT_FLOAT_EQ(layout.frame1.height, c.frame_height) << c.name;
        EXPECT_FLOAT_EQ(layout.text2.height, c.text2_height) << c.name;
        EXPECT_FLOAT_EQ(layout.command2.top, c.command2_top) << c.name;
    }
}

TEST(Form1Layout, AMinimizeThenRestoreEndsAsTheRestoredSizeAlone) {
    Form1Layout direct = DesignLayout(), via_minimize = DesignLayout();
    LayOutForm1({14280, 9930, 315, 345, 345}, direct);
    LayOutForm1({14280, 9930, 315, 345, 345}, via_minimize);
    LayOutForm1({160, 24, 315, 345, 345}, via_minimize);
    LayOutForm1({14280, 9930, 315, 345, 345}, via_minimize);
    for (auto member : {&Form1Layout::frame1, &Form1Layout::frame2, &Form1Layout::text1, &Form1Layout::text2,
                        &Form1Layout::command1, &Form1Layout::command2, &Form1Layout::picture1,
                        &Form1Layout::picture2}) {
        const LayoutRect &a = direct.*member, &b = via_minimize.*member;
        ExpectRect(b, a.left, a.top, a.width, a.height, "after restore");
    }
}

}  // namespace
}  // namespace wexlin
