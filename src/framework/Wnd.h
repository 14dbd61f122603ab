#pragma once
#include <string>

#include <windows.h>

#include "framework/MenuView.h"
#include "framework/MessageMap.h"
#include "framework/WndView.h"

// A window object. It owns the window it is attached to: the destructor
// destroys a window that still exists. WndView is the non-owning view, and
// its window operations are the object's too.
// Messages reach the object through one thunk installed as the window
// procedure (on creation or by SubclassWindow); the handle map ties the
// HWND back to the object until WM_NCDESTROY.
class CWnd : public WndView {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Where a window's WM_DRAWITEM and WM_MEASUREITEM go that neither a
    // child control nor the window's own map takes, such as those of a
    // menu's items: true when taken. The menu library installs its route.
    using OwnerDrawRoute = bool (*)(HWND owner, UINT message, LPARAM lParam);
    static void SetOwnerDrawRoute(OwnerDrawRoute route);

    static CWnd* FromHandlePermanent(HWND hwnd);
    // The class registered for CreateEx without a class name.
    static const wchar_t* DefaultClassName();
    // Offers msg to PreTranslateMessage of each window from msg->hwnd up
    // its parent chain, ending at stop.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                  HWND parent, UINT id);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* msg);

    MenuView GetSystemMenu(BOOL revert) const;
    void EnableToolTips(BOOL enable = TRUE);
    int MessageBox(const std::string& text, const std::string& caption = std::string(), UINT type = MB_OK);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The original processing of the message being dispatched.
    LRESULT Default();
    virtual void PreSubclassWindow();

    void OnPaint();
    void OnDestroy();
    void OnSysCommand(UINT command, LPARAM lParam);

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

private:
    static LRESULT CALLBACK WindowProcThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnWndMsg(Message& msg);
    bool Dispatch(Message& msg);
    bool ReflectToChild(Message& msg);
    bool RouteOwnerDraw(Message& msg);
    HWND ReflectionTarget(const Message& msg) const;
    void ReleaseHandle();

    WNDPROC superProc = nullptr;
    Message* currentMessage = nullptr;
};
