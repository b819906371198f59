#ifndef AFXRES_H
#define AFXRES_H
// Ids of the framework's resources that a host's resource script supplies; plain #defines so
// that the resource compiler reads this header as well.

// The application's name as the user sees it (captions of message boxes, the profile's key).
#define AFX_IDS_APP_TITLE   0xE000

#endif
