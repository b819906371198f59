#ifndef DUVAZI_TESTS_RESOURCE_H
#define DUVAZI_TESTS_RESOURCE_H
// Resources of the duvazi test executable.

// Toolbar layout and its bitmap strip (three images).
#define IDR_TESTBAR         300

// Commands of the toolbar's buttons.
#define ID_TEST_OPEN        101
#define ID_TEST_SAVE        102
#define ID_TEST_PRINT       103

// A dialog by id and the same dialog by name.
#define IDD_SKINTEST        400
#define IDC_SKINTEST_LABEL  401

#endif
