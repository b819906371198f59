#ifndef ZADUV_GALLERY_GALLERYRESOURCE_H
#define ZADUV_GALLERY_GALLERYRESOURCE_H
// Ids of the gallery's own resources: the viewer-toolbar bitmaps of the controls page, four
// states per tool in the order normal, disabled, pressed, checked.

#define IDB_VIEWER_ZOOM 301         // 301-304
#define IDB_VIEWER_PAN 305          // 305-308
#define IDB_VIEWER_LEVEL 309        // 309-312
#define IDB_VIEWER_MEASURE 313      // 313-316

// The imaging page: two axial slices drawn by res/make_study_slices.py, and the busy cursor,
// type "ANICURSORS", made at build time by cmake/MakeImagingResources.cmake.
#define IDB_SLICE_CHEST 401
#define IDB_SLICE_ABDOMEN 402
#define IDR_BUSY_CURSOR 301

// The dialogs page: a study-export dialog, a confirmation and a row of long-captioned buttons.
#define IDD_STUDY_EXPORT 500
#define IDC_SERIES_LABEL 501
#define IDC_SERIES 502
#define IDC_PREVIEW_LABEL 503
#define IDC_PREVIEW 504
#define IDC_FOLDER_LABEL 505
#define IDC_FOLDER 506
#define IDC_BROWSE 507
#define IDC_ANONYMISE 508
#define IDD_CONFIRM_DELETE 520
#define IDC_CONFIRM_ICON 521
#define IDC_CONFIRM_TEXT 522
#define IDD_BUTTON_ROW 540
#define IDC_ROW_ARCHIVE 541
#define IDC_ROW_BURN 542
#define IDC_ROW_PRINT 543

// The toolbar page: two toolbars (layout and strip share the id), the floating one's title and
// the commands of their buttons.
#define IDR_TOOLBAR_MAIN 320
#define IDR_TOOLBAR_TOOLS 321
#define IDS_TOOLBAR_TOOLS 322
#define ID_VIEW_OPEN 32801
#define ID_VIEW_SAVE 32802
#define ID_VIEW_ZOOM 32803
#define ID_VIEW_PAN 32804
#define ID_TOOL_LEVEL 32811
#define ID_TOOL_MEASURE 32812
#define ID_TOOL_ZOOM 32813

#endif
