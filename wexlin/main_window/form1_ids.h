#pragma once
// Control ids of Form1's children (also used by resource scripts, so plain macros).
#define IDC_FRAME1 1001
#define IDC_FRAME2 1002
#define IDC_TEXT1 1011
#define IDC_TEXT2 1012
#define IDC_COMMAND1 1021
#define IDC_COMMAND2 1022
#define IDC_PICTURE1 1031
#define IDC_PICTURE2 1032
#define IDC_STATUSBAR1 1050

// Icons of the program.
#define IDI_WEXLIN 1
#define IDI_ENCODED_MENU 101
#define IDI_DECODED_MENU 102

// Commands of Form1's menus (the toolbars and popups send the same ids).
#define IDM_OPEN1 2001
#define IDM_SAVE1 2002
#define IDM_OPEN2 2011
#define IDM_SAVE2 2012
