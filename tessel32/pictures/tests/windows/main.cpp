// OLE on the test thread for the whole run, as on the control's user-interface thread.
#include <gtest/gtest.h>

#include "win32/ole_scope.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    win32::OleScope ole;
    if (FAILED(ole.Result())) return 3;
    return RUN_ALL_TESTS();
}
