#ifndef ZADUV_TESTS_DIALOGS_RESOURCE_H
#define ZADUV_TESTS_DIALOGS_RESOURCE_H
// Ids of the dialog tests' resource script.

#define IDD_EXPORT      501
#define IDC_SERIES      502
#define IDC_PATH        503
#define IDC_BROWSE      504
#define IDC_PATH_LABEL  505

#endif
