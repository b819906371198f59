#ifndef ZADUV_TESTS_CONTROLS_RESOURCE_H
#define ZADUV_TESTS_CONTROLS_RESOURCE_H
// Bitmaps of the bitmap button tests (make_button_bitmaps.py draws them).

#define IDB_BUTTON_NORMAL 201
#define IDB_BUTTON_DISABLED 202
#define IDB_BUTTON_PRESSED 203
#define IDB_BUTTON_CHECKED 204
#define IDB_BUTTON_LARGE 205

#endif
