#ifndef ZADUV_TESTS_TOOLBAR_RESOURCE_H
#define ZADUV_TESTS_TOOLBAR_RESOURCE_H
// The toolbar of the toolbar tests: five buttons, a separator after the second.

#define IDR_TESTBAR 301
#define IDS_TESTBAR_TITLE 302
#define ID_TOOL_A 101
#define ID_TOOL_B 102
#define ID_TOOL_OFF 103
#define ID_TOOL_D 104
#define ID_TOOL_E 105

#endif
