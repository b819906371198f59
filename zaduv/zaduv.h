#ifndef ZADUV_ZADUV_H
#define ZADUV_ZADUV_H
// Everything a host application uses of the library.

#include "foundation/ZaDUVDefs.h"
#include "foundation/GdiUtils.h"
#include "foundation/MemDC.h"
#include "xlistctrl/XHeaderCtrl.h"
#include "xlistctrl/SortedHeaderCtrl.h"
#include "xlistctrl/XSortedHeaderCtrl.h"
#include "xlistctrl/XListComboData.h"
#include "xlistctrl/XListCtrl.h"
#include "patientlist/FilterListener.h"
#include "patientlist/FilterEdit.h"
#include "patientlist/PatientListCtrl.h"
#include "dialogs/DialogEx.h"
#include "dialogs/DlgDefaultButton.h"
#include "dialogs/ResizableDialog.h"
#include "imaging/PreviewCtrl.h"
#include "imaging/BitmapFader.h"
#include "imaging/AniCursor.h"
#include "controls/ColorListBox.h"
#include "controls/StaticLink.h"
#include "controls/KaCBitmapButton.h"
#include "controls/TavrinToolBar.h"

#endif
