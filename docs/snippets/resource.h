// Resource ids of the example host. Its dialog templates, bitmaps, toolbar and animated cursor
// live in the host's resource script, as in any application of the framework.
#ifndef EXAMPLE_RESOURCE_H
#define EXAMPLE_RESOURCE_H

#define IDD_WORKLIST            100
#define IDD_PATIENTS            101
#define IDD_SERIES_PICKER       102
#define IDD_STUDY_EXPORT        103
#define IDD_CONFIRM_DELETE      104
#define IDD_PRINT_OPTIONS       105
#define IDD_OPEN_IMAGE          106
#define IDD_ABOUT               107
#define IDD_VIEWER_TOOLS        108
#define IDD_IMPORT_LOG          109
#define IDD_SERIES              110
#define IDD_STUDIES             111
#define IDD_REPORTS             112

#define IDB_HEADER_CHECKS       200
#define IDB_HEADER_ICONS        201
#define IDB_ZOOM_NORMAL         202
#define IDB_ZOOM_DISABLED       203
#define IDB_ZOOM_PRESSED        204
#define IDB_ZOOM_CHECKED        205
#define IDB_SLICE_CHEST         206
#define IDB_SLICE_ABDOMEN       207
#define IDR_BUSY_CURSOR         300
#define IDR_MAIN_TOOLBAR        400
#define IDS_MAIN_TOOLBAR        401

#define IDC_WORKLIST            1001
#define IDC_PATIENT_LIST        1002
#define IDC_PATIENT_FILTER      1003
#define IDC_SERIES_FILTER       1004
#define IDC_SERIES_LIST         1005
#define IDC_TARGET              1006
#define IDC_BROWSE              1007
#define IDC_KEEP                1008
#define IDC_DELETE              1009
#define IDC_PRINT_PREVIEW       1010
#define IDC_PRINT_NOTE          1011
#define IDC_PREVIEW             1012
#define IDC_FILES               1013
#define IDC_HOMEPAGE            1014
#define IDC_SUPPORT_MAIL        1015
#define IDC_ZOOM                1016
#define IDC_IMPORT_LOG          1017
#define IDC_STUDIES             1018
#define IDC_REPORTS             1019

#endif
