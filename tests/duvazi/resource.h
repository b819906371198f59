#ifndef DUVAZI_TESTS_RESOURCE_H
#define DUVAZI_TESTS_RESOURCE_H
// Resources of the duvazi test executable.

// Commands of the skinned toolbar's buttons.
#define ID_TEST_OPEN        101
#define ID_TEST_SAVE        102
#define ID_TEST_PRINT       103

// A dialog by id and the same dialog by name.
#define IDD_SKINTEST        400
#define IDC_SKINTEST_LABEL  401

#endif
