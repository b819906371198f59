#ifndef ZADUV_GALLERY_GALLERYRESOURCE_H
#define ZADUV_GALLERY_GALLERYRESOURCE_H
// Ids of the gallery's own resources: the viewer-toolbar bitmaps of the controls page, four
// states per tool in the order normal, disabled, pressed, checked.

#define IDB_VIEWER_ZOOM 301         // 301-304
#define IDB_VIEWER_PAN 305          // 305-308
#define IDB_VIEWER_LEVEL 309        // 309-312
#define IDB_VIEWER_MEASURE 313      // 313-316

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
