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
// The rest of the menu tree, each id named after its item.
#define IDM_FORM1_MENU 3000
#define IDM_PRINTALL1 2101
#define IDM_EXIT1 2102
#define IDM_CUT1 2201
#define IDM_COPY1 2202
#define IDM_PASTE1 2203
#define IDM_PRINT1 2204
#define IDM_CLEAR1 2205
#define IDM_CUT2 2301
#define IDM_COPY2 2302
#define IDM_PASTE2 2303
#define IDM_PRINT2 2304
#define IDM_CLEAR2 2305
#define IDM_OP2 2401
#define IDM_OLDWXLCFG 2402
#define IDM_DATE1 2501
#define IDM_TIME1 2502
#define IDM_NAME1 2503
#define IDM_EMAIL1 2504
#define IDM_WEB1 2505
#define IDM_OTHER1 2506
#define IDM_EXTRA1 2507
#define IDM_EXTRA2 2508
#define IDM_EXTRA3 2509
#define IDM_EMAIL 2601
#define IDM_ABOUT1 2701
#define IDM_EMAILABOUT 2702

// Positions of the menus in the menu bar (the popups use the same menus).
#define FORM1_MENU_FILE 0
#define FORM1_MENU_ENCODED 1
#define FORM1_MENU_DECODED 2
#define FORM1_MENU_OPTIONS 3
#define FORM1_MENU_INSERT 4
#define FORM1_MENU_EMAIL 5
#define FORM1_MENU_ABOUT 6

// The toolbars' saved property sets (RCDATA).
#define IDR_TESSEL1_SET 201
#define IDR_TESSEL2_SET 202
