#ifndef ZADUV_TESTS_HARDENING_RESOURCE_H
#define ZADUV_TESTS_HARDENING_RESOURCE_H
// The hardening tests' dialog and toolbar; the generated bitmaps 201-203 and animated cursors
// 301 (valid) and 302 (broken) of the imaging resources.

#define IDD_FUZZ 100
#define IDC_LABEL 1001
#define IDC_EDIT 1002
#define IDC_LIST 1003
#define IDC_CHECK 1004
#define IDR_BAR 400
#define ID_TOOL_A 101
#define ID_TOOL_B 102
#define ID_TOOL_C 103
#define ID_TOOL_D 104
#define IDB_RED 201
#define IDB_GREEN 202
#define IDB_BLUE 203
#define IDR_CURSOR 301
#define IDR_BROKEN_CURSOR 302

#endif
