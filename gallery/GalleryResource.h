#ifndef ZADUV_GALLERY_GALLERYRESOURCE_H
#define ZADUV_GALLERY_GALLERYRESOURCE_H
// Ids of the gallery's own resources: the viewer-toolbar bitmaps of the controls page, four
// states per tool in the order normal, disabled, pressed, checked.

#define IDB_VIEWER_ZOOM 301         // 301-304
#define IDB_VIEWER_PAN 305          // 305-308
#define IDB_VIEWER_LEVEL 309        // 309-312
#define IDB_VIEWER_MEASURE 313      // 313-316

#endif
