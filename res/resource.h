// Resource and control numbers of the program: dialog templates, strings, bitmaps, icon, cursor and
// the controls of the three dialogs. The numbers are the program's own and must not change: the
// windows find their controls and images by them.
#pragma once

// ---- Dialog templates ----
#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102
#define IDD_PROGRESS 130

// ---- Strings ----
#define IDS_ABOUTBOX 101  // text of the About item in the main window's system menu

// ---- System-menu command ----
#define IDM_ABOUTBOX 0x0010  // low four bits stay zero: the system uses them

// ---- Icon and cursor ----
#define IDR_MAINFRAME 128    // program icon, 16, 32 and 48 pixels
#define IDC_HAND_CURSOR 140  // pointing hand shown over every skin button

// ---- Bitmaps: backgrounds and picture ----
#define IDB_MAIN_BACKGROUND 178      // client area of the main window, 716 x 392
#define IDB_NO_VIDEO 179             // picture area before a video covers it, 371 x 281
#define IDB_PROGRESS_BACKGROUND 183  // client area of the extraction window, 378 x 132

// ---- Bitmaps: skin buttons (normal image, hot image) ----
#define IDB_MARK_START_NORMAL 138  // 75 x 21
#define IDB_MARK_START_HOT 139
#define IDB_MARK_END_NORMAL 142  // 75 x 21
#define IDB_MARK_END_HOT 143
#define IDB_PLAY_NORMAL 144  // 18 x 18
#define IDB_PLAY_HOT 145
#define IDB_PAUSE_NORMAL 146  // 18 x 18
#define IDB_PAUSE_HOT 147
#define IDB_FAST_FORWARD_NORMAL 150  // 18 x 18
#define IDB_FAST_FORWARD_HOT 151
#define IDB_SEEK_BEGIN_NORMAL 152  // 18 x 18
#define IDB_SEEK_BEGIN_HOT 153
#define IDB_SEEK_END_NORMAL 154  // 18 x 18
#define IDB_SEEK_END_HOT 155
#define IDB_FAST_BACKWARD_NORMAL 156  // 18 x 18
#define IDB_FAST_BACKWARD_HOT 157
#define IDB_EXTRACT_NORMAL 158  // 62 x 21
#define IDB_EXTRACT_HOT 159
#define IDB_HELP_NORMAL 164  // 62 x 21
#define IDB_HELP_HOT 165
#define IDB_HOMEPAGE_NORMAL 166  // 62 x 21
#define IDB_HOMEPAGE_HOT 167
#define IDB_OPEN_FILE_NORMAL 170  // 30 x 30
#define IDB_OPEN_FILE_HOT 171
#define IDB_SAVE_DIR_NORMAL 174  // 30 x 30
#define IDB_SAVE_DIR_HOT 175
#define IDB_CANCEL_NORMAL 184  // 62 x 21
#define IDB_CANCEL_HOT 185

// ---- Controls ----
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main window (template 102).
#define IDC_VIDEO_PICTURE 1000
#define IDC_POSITION_SLIDER 1001
#define IDC_DURATION_TEXT 1003
#define IDC_MARK_START 1004
#define IDC_MARK_END 1005
#define IDC_POSITION_TEXT 1006
#define IDC_SOURCE_EDIT 1007
#define IDC_SAVE_DIR_EDIT 1008
#define IDC_OPEN_FILE 1009
#define IDC_SAVE_DIR 1010
#define IDC_PLAY 1011
#define IDC_PAUSE 1012
#define IDC_FAST_BACKWARD 1013
#define IDC_FAST_FORWARD 1014
#define IDC_SEEK_BEGIN 1015
#define IDC_SEEK_END 1016
#define IDC_FORMAT_MP3 1017
#define IDC_MONO 1018
#define IDC_STEREO 1019
#define IDC_BIT_RATE 1021
#define IDC_SAMPLE_RATE 1022
#define IDC_EXTRACT 1023
#define IDC_HOMEPAGE 1034
#define IDC_HELP_BUTTON 1035
#define IDC_CHANNELS_LABEL 1036
#define IDC_BIT_RATE_LABEL 1037
#define IDC_SAMPLE_RATE_LABEL 1038

// Extraction window (template 130).
#define IDC_PROGRESS_CANCEL 1039
#define IDC_PROGRESS_BAR 1024
#define IDC_PROGRESS_EXTRACT 1040
