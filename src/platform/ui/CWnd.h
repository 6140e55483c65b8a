// CWnd: the C++ face of a window. Holds a window handle (m_hWnd) and offers the
// window operations under their usual names; receives the window's messages
// through WindowProc, which calls the virtual handlers below.
//
// Objects and windows: every window has one object that implements its class
// (made by the class registry, owned by the window). An object that creates a
// window (Create), or subclasses an existing one (SubclassWindow,
// SubclassDlgItem), receives that window's messages from then on; whatever it
// does not handle goes on to the class object (Default / DefWindowProc), so a
// subclassing object keeps the control's behaviour. GetDlgItem and FromHandle
// return the object that receives the messages, whose dynamic type is the
// control class for template controls (a "COMBOBOX" item is a CComboBox).
//
// Bad input: every member works on any object; an object without a live window
// (never created, or destroyed) makes each operation return its failure value
// (FALSE, null, 0, -1 for an index) and change nothing.
//
// Message maps: besides overriding the virtual handlers, a window registers
// handlers for a control's command or notification with onCommand, onClicked,
// onNotify and onMessage; they are looked up by OnCommand, OnNotify and
// OnWndMsg before the defaults run.
#pragma once

#include <functional>
#include <map>
#include <tuple>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinApi.h"

class CDataExchange;
class CFont;
class CMenu;

class CWnd {
  public:
    CWnd();
    // Destroys the window when this object still receives its messages (after
    // handing them back to the class object, so that no handler of a
    // half-destroyed object runs).
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The special insert-after positions of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // --- Creation ---
    // Creates a window of the class and makes this object receive its
    // messages. FALSE when this object has a window already, or as
    // CreateWindowEx says.
    virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                          const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
    virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, void* param = nullptr);
    virtual BOOL DestroyWindow();
    // The object receiving the window's messages; null for an unknown handle.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd) { return FromHandle(hwnd); }
    // Makes this object receive the messages of an existing window. FALSE when
    // this object has a window, the window is unknown, or another object has
    // subclassed it already.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Gives the messages back to the class object; returns the handle.
    HWND UnsubclassWindow();
    // Wraps a window without receiving its messages (FALSE when this object has
    // a window or the handle is unknown); Detach lets go of it.
    BOOL Attach(HWND hwnd);
    HWND Detach();

    // --- Relations ---
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CWnd* GetWindow(UINT cmd) const;
    CWnd* GetTopLevelParent() const;
    BOOL IsChild(const CWnd* wnd) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const;
    CWnd* ChildWindowFromPoint(POINT point) const;
    // The class name; 0 and an empty text for no window.
    int GetClassName(Tvx_String& name) const;

    // --- Style ---
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Removes then adds bits; with flags, also SetWindowPos(flags | SWP_NOSIZE
    // | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE). FALSE when nothing changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    // --- Text ---
    void SetWindowText(const Tvx_String& text);
    int GetWindowText(Tvx_String& text) const;
    Tvx_String GetWindowString() const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, const Tvx_String& text);
    int GetDlgItemText(int id, Tvx_String& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;

    // --- Buttons of a dialog ---
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    // The id of the first checked button in [firstId, lastId], 0 when none.
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // --- State ---
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int cmd);
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    CWnd* SetCapture();
    void SetFont(CFont* font, BOOL redraw = TRUE);
    // The window's font; null when it has none or the font has been deleted.
    CFont* GetFont() const;
    void SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;

    // --- Position and size ---
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    // Centres the window over the alternate window, its owner or parent, or the
    // screen.
    void CenterWindow(CWnd* alternate = nullptr);
    void BringWindowToTop();

    // --- Painting ---
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL redraw = TRUE);

    // --- Messages ---
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // --- Timers (see Timers.h): WM_TIMER to this window, or the callback ---
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // --- Message boxes (see MessageBox.h); the caption defaults to the
    // application title ---
    int MessageBox(const Tvx_String& text, const Tvx_String& caption = Tvx_String(),
                   UINT type = MB_OK);

    // --- Data exchange (DataExchange.h) ---
    // Runs DoDataExchange: save TRUE reads the controls into the members,
    // FALSE writes the members into the controls. FALSE when an exchange
    // failed (or there is no window).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // --- Message handling ---
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window does with a message nobody above handled: a subclassing
    // object passes it to the class object (its WindowProc); the class object
    // runs classProcedure.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc with the message being handled.
    LRESULT Default();
    // Called by the message loop (and the scripted user's input) for keyboard
    // and mouse messages to this window or a window inside it, innermost first;
    // TRUE swallows the message.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Calls the standard handler of a message; FALSE when the message has no
    // standard handler and no onMessage entry.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // WM_COMMAND: LOWORD(wParam) the id, HIWORD(wParam) the notification code,
    // lParam the control's handle. TRUE when a handler ran.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // WM_NOTIFY: lParam points at an NMHDR. TRUE when a handler ran.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Called last for a window, after WM_NCDESTROY; m_hWnd is null by then.
    // A modeless dialog may delete itself here.
    virtual void PostNcDestroy();

    // The standard handlers; each default passes the message on (Default).
    virtual int OnCreate(LPCREATESTRUCT create);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnSizing(UINT edge, LPRECT rect);
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnContextMenu(CWnd* wnd, CPoint screenPoint);
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    virtual void OnClose();
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnEnable(BOOL enable);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual UINT OnGetDlgCode();

  protected:
    // The built-in behaviour of the window class, run on the class object only
    // (never twice, however many objects wrap the window). Control classes
    // override it; CWnd's is the system default (texts, fonts, redraw, close,
    // context menu and cursor requests passed to the parent).
    virtual LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam);
    // True when this object is the window's class object.
    bool isClassObject() const;

    // Handlers looked up before the defaults. A later registration for the
    // same key replaces the earlier one.
    void onCommand(UINT id, UINT code, std::function<void()> handler);
    void onClicked(UINT id, std::function<void()> handler) {
        onCommand(id, BN_CLICKED, std::move(handler));
    }
    void onCommandRange(UINT firstId, UINT lastId, UINT code, std::function<void(UINT id)> handler);
    void onNotify(UINT id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler);
    void onMessage(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler);

    // Sends WM_COMMAND (own id, code) to the parent: how a control reports.
    void notifyParent(UINT code) const;
    // Sends WM_NOTIFY to the parent with `header` filled in with this control's
    // handle, id and the code; returns the parent's answer.
    LRESULT notifyParent(UINT code, NMHDR& header) const;

  private:
    struct PseudoTag {};
    CWnd(PseudoTag, std::intptr_t value) : m_hWnd(reinterpret_cast<HWND>(value)) {}

    std::map<std::pair<UINT, UINT>, std::function<void()>> commandHandlers_;
    struct CommandRange {
        UINT first, last, code;
        std::function<void(UINT)> handler;
    };
    std::vector<CommandRange> commandRanges_;
    std::map<std::pair<UINT, UINT>, std::function<void(NMHDR*, LRESULT*)>> notifyHandlers_;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> messageHandlers_;
};
