// A series list whose header paints itself: a flat face, a raised frame, etched dividers and
// an icon before a column's caption.
#include <afxwin.h>
#include <afxcmn.h>
#include <zaduv.h>

#include "resource.h"

class CSeriesDlg : public CDialog
{
public:
    explicit CSeriesDlg(CWnd* pParent = NULL) : CDialog(IDD_SERIES, pParent) {}

protected:
    CListCtrl m_listSeries;
    CXHeaderCtrl m_header;
    CImageList m_imagesHeader;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_listSeries.SubclassDlgItem(IDC_SERIES_LIST, this);
        m_listSeries.InsertColumn(0, L"Series", LVCFMT_LEFT, 160);
        m_listSeries.InsertColumn(1, L"Images", LVCFMT_LEFT, 70);
        m_header.SubclassWindow(m_listSeries.GetHeaderCtrl()->GetSafeHwnd());

        // Set through the subclassed header, which measures image 0 for every image's place.
        // Index 0 itself is never drawn: a column with image 0 has none.
        m_imagesHeader.Create(IDB_HEADER_ICONS, 16, 0, RGB(255, 0, 255));
        m_header.SetImageList(&m_imagesHeader);
        HDITEM hdi = {};
        hdi.mask = HDI_IMAGE;
        hdi.iImage = 1;
        m_header.SetItem(0, &hdi);
        return TRUE;
    }
};
