#ifndef AFX_AFXMSG_H
#define AFX_AFXMSG_H
// Message-map entry macros. Handlers are named as qualified member pointers (&CMyDlg::OnGo), as the
// framework's compilers require; each macro casts to the framework's signature, so the
// static_cast rejects a handler whose signature differs.

#define AFX_COMMA ,

#define AFX_WND_ENTRY(msg, sig, type, memberFxn) \
    { msg, 0, 0, 0, sig, (AFX_PMSG)(static_cast< type >(memberFxn)) },

#define ON_WM_CREATE() AFX_WND_ENTRY(WM_CREATE, AfxSig_is, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_WND_ENTRY(WM_DESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WND_ENTRY(WM_NCDESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_WND_ENTRY(WM_CLOSE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnClose)
#define ON_WM_PAINT() AFX_WND_ENTRY(WM_PAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnPaint)
#define ON_WM_NCPAINT() AFX_WND_ENTRY(WM_NCPAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WND_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), &ThisClass::OnEraseBkgnd)
#define ON_WM_SYSCOLORCHANGE() AFX_WND_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnSysColorChange)
#define ON_WM_CANCELMODE() AFX_WND_ENTRY(WM_CANCELMODE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnCancelMode)
#define ON_WM_MOUSELEAVE() AFX_WND_ENTRY(WM_MOUSELEAVE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnMouseLeave)
#define ON_WM_TIMER() AFX_WND_ENTRY(WM_TIMER, AfxSig_vt, void (AFX_MSG_CALL CWnd::*)(UINT_PTR), &ThisClass::OnTimer)
#define ON_WM_SIZE() AFX_WND_ENTRY(WM_SIZE, AfxSig_vwii, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA int AFX_COMMA int), &ThisClass::OnSize)
#define ON_WM_SIZING() AFX_WND_ENTRY(WM_SIZING, AfxSig_vwR, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA LPRECT), &ThisClass::OnSizing)
#define ON_WM_GETMINMAXINFO() AFX_WND_ENTRY(WM_GETMINMAXINFO, AfxSig_vMMI, void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*), &ThisClass::OnGetMinMaxInfo)
#define ON_WM_NCHITTEST() AFX_WND_ENTRY(WM_NCHITTEST, AfxSig_lp, LRESULT (AFX_MSG_CALL CWnd::*)(CPoint), &ThisClass::OnNcHitTest)
#define ON_WM_NCCALCSIZE() AFX_WND_ENTRY(WM_NCCALCSIZE, AfxSig_vbNCCALC, void (AFX_MSG_CALL CWnd::*)(BOOL AFX_COMMA NCCALCSIZE_PARAMS*), &ThisClass::OnNcCalcSize)
#define ON_WM_MOUSEMOVE() AFX_WND_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WND_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WND_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WND_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WND_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WND_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WND_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WND_ENTRY(WM_MBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WND_ENTRY(WM_MBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnMButtonUp)
#define ON_WM_NCLBUTTONDOWN() AFX_WND_ENTRY(WM_NCLBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnNcLButtonDown)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WND_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_WND_ENTRY(WM_NCMOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CPoint), &ThisClass::OnNcMouseMove)
#define ON_WM_KEYDOWN() AFX_WND_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT AFX_COMMA UINT), &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_WND_ENTRY(WM_KEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT AFX_COMMA UINT), &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_WND_ENTRY(WM_CHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT AFX_COMMA UINT), &ThisClass::OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WND_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT AFX_COMMA UINT), &ThisClass::OnSysKeyDown)
#define ON_WM_SETCURSOR() AFX_WND_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (AFX_MSG_CALL CWnd::*)(CWnd* AFX_COMMA UINT AFX_COMMA UINT), &ThisClass::OnSetCursor)
#define ON_WM_SETFOCUS() AFX_WND_ENTRY(WM_SETFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WND_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WND_ENTRY(WM_CAPTURECHANGED, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnCaptureChanged)
#define ON_WM_VSCROLL() AFX_WND_ENTRY(WM_VSCROLL, AfxSig_vwwX, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT AFX_COMMA CScrollBar*), &ThisClass::OnVScroll)
#define ON_WM_HSCROLL() AFX_WND_ENTRY(WM_HSCROLL, AfxSig_vwwX, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT AFX_COMMA CScrollBar*), &ThisClass::OnHScroll)
#define ON_WM_MOUSEWHEEL() AFX_WND_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA short AFX_COMMA CPoint), &ThisClass::OnMouseWheel)
#define ON_WM_CTLCOLOR() AFX_WND_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC* AFX_COMMA CWnd* AFX_COMMA UINT), &ThisClass::OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WND_ENTRY(WM_DRAWITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int AFX_COMMA LPDRAWITEMSTRUCT), &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WND_ENTRY(WM_MEASUREITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int AFX_COMMA LPMEASUREITEMSTRUCT), &ThisClass::OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_WND_ENTRY(WM_COMPAREITEM, AfxSig_iis, int (AFX_MSG_CALL CWnd::*)(int AFX_COMMA LPCOMPAREITEMSTRUCT), &ThisClass::OnCompareItem)
#define ON_WM_DELETEITEM() AFX_WND_ENTRY(WM_DELETEITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int AFX_COMMA LPDELETEITEMSTRUCT), &ThisClass::OnDeleteItem)
#define ON_WM_CHARTOITEM() AFX_WND_ENTRY(WM_CHARTOITEM, AfxSig_iwWw, int (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CListBox* AFX_COMMA UINT), &ThisClass::OnCharToItem)
#define ON_WM_VKEYTOITEM() AFX_WND_ENTRY(WM_VKEYTOITEM, AfxSig_iwWw, int (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CListBox* AFX_COMMA UINT), &ThisClass::OnVKeyToItem)
#define ON_WM_GETDLGCODE() AFX_WND_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (AFX_MSG_CALL CWnd::*)(void), &ThisClass::OnGetDlgCode)
#define ON_WM_SHOWWINDOW() AFX_WND_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (AFX_MSG_CALL CWnd::*)(BOOL AFX_COMMA UINT), &ThisClass::OnShowWindow)
#define ON_WM_WINDOWPOSCHANGED() AFX_WND_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() AFX_WND_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanging)
#define ON_WM_CONTEXTMENU() AFX_WND_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (AFX_MSG_CALL CWnd::*)(CWnd* AFX_COMMA CPoint), &ThisClass::OnContextMenu)
#define ON_WM_ACTIVATE() AFX_WND_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA CWnd* AFX_COMMA BOOL), &ThisClass::OnActivate)
#define ON_WM_ENABLE() AFX_WND_ENTRY(WM_ENABLE, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), &ThisClass::OnEnable)
#define ON_WM_SETTINGCHANGE() AFX_WND_ENTRY(WM_SETTINGCHANGE, AfxSig_vwSt, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA LPCTSTR), &ThisClass::OnSettingChange)
#define ON_WM_MOUSEACTIVATE() AFX_WND_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, int (AFX_MSG_CALL CWnd::*)(CWnd* AFX_COMMA UINT AFX_COMMA UINT), &ThisClass::OnMouseActivate)
#define ON_WM_PARENTNOTIFY() AFX_WND_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA LPARAM), &ThisClass::OnParentNotify)

// Reflected messages, answered by the child control itself.
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_WND_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC* AFX_COMMA UINT), &ThisClass::CtlColor)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_WND_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_WND_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_WND_ENTRY(WM_COMPAREITEM + WM_REFLECT_BASE, AfxSig_iS, int (AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT), &ThisClass::CompareItem)
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_WND_ENTRY(WM_DELETEITEM + WM_REFLECT_BASE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT), &ThisClass::DeleteItem)
#define ON_WM_CHARTOITEM_REFLECT() \
    AFX_WND_ENTRY(WM_CHARTOITEM + WM_REFLECT_BASE, AfxSig_iww, int (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT), &ThisClass::CharToItem)
#define ON_WM_VKEYTOITEM_REFLECT() \
    AFX_WND_ENTRY(WM_VKEYTOITEM + WM_REFLECT_BASE, AfxSig_iww, int (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT), &ThisClass::VKeyToItem)
#define ON_WM_HSCROLL_REFLECT() \
    AFX_WND_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT), &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT() \
    AFX_WND_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA UINT), &ThisClass::VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT() \
    AFX_WND_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT AFX_COMMA LPARAM), &ThisClass::ParentNotify)

// User-defined and registered messages.
#define ON_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_lwl, \
      (AFX_PMSG)(static_cast< LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM) >(memberFxn)) },
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable), \
      (AFX_PMSG)(static_cast< LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM) >(memberFxn)) },

// Commands and control notifications.
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn) },
#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(id), AfxSigCmdUI, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*) >(memberFxn)) },
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(idLast), AfxSigCmdUI, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*) >(memberFxn)) },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(UINT) >(memberFxn)) },
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_v, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_RANGE, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_EX, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*) >(memberFxn)) },

// Notifications reflected back to the control that sent them. The plain forms consume the
// notification; the _EX forms pass it on to the parent when the handler returns FALSE.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_b, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(void) >(memberFxn)) },
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_v, \
      (AFX_PMSG)(static_cast< void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*) >(memberFxn)) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_b, \
      (AFX_PMSG)(static_cast< BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*) >(memberFxn)) },

#endif
