#ifndef AFXRES_H
#define AFXRES_H
// Resource types and ids of the framework that a host's resource script may supply or use;
// plain defines, so that the resource compiler reads this header as well.

// The application's name as the user sees it (captions of message boxes, the profile's key).
#define AFX_IDS_APP_TITLE   0xE000

// The resource type of a dialog's initial list and combo box strings.
#ifndef RT_DLGINIT
#define RT_DLGINIT MAKEINTRESOURCE(240)
#endif

// The framework's own prompts. A host's string table may give its own text for any of them;
// otherwise the framework's built-in text is used.
#define AFX_IDP_NO_ERROR_AVAILABLE  0xF105
#define AFX_IDP_COMMAND_FAILURE     0xF107
#define AFX_IDP_INTERNAL_FAILURE    0xF108
#define AFX_IDP_PARSE_INT           0xF110
#define AFX_IDP_PARSE_REAL          0xF111
#define AFX_IDP_PARSE_BYTE          0xF116
#define AFX_IDP_PARSE_UINT          0xF117

#endif
