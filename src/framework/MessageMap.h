#pragma once
#include <type_traits>

#include <windows.h>

#include "framework/DCView.h"
#include "framework/MenuView.h"
#include "framework/WndView.h"

class CWnd;

// One window message on its way through a message table.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

// Returns false when the handler leaves the message unhandled: default
// processing follows, and a reflected notification still reaches the parent.
using MessageHandler = bool (*)(CWnd& wnd, Message& msg);

// code and id are compared only for WM_COMMAND and WM_NOTIFY (id is not
// compared for reflected ones); other entries match on the message alone.
struct MessageEntry {
    UINT message;
    UINT code;
    UINT id;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageEntry* entries;  // ends with a null handler
};

// A parent offers WM_NOTIFY, WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM and
// WM_CTLCOLOR* to the sending control as WM_REFLECT_BASE + message.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
// Entry message of the reflected colour request; it matches every
// WM_REFLECT_BASE + WM_CTLCOLOR* message.
constexpr UINT WM_REFLECT_CTLCOLOR = WM_REFLECT_BASE + 0x0019;

// The tables below are laid out by hand: a formatter cannot see through
// their unbalanced braces.
// clang-format off

// In the class body; leaves the access at protected.
#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const MessageMap* GetThisMessageMap();          \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                     \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap()                                \
    {                                                                              \
        using ThisClass = theClass;                                                \
        using TheBaseClass = baseClass;                                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>, "wrong base");  \
        static const MessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                    \
            { 0, 0, 0, nullptr } };                                          \
        static const MessageMap map{ &TheBaseClass::GetThisMessageMap, entries }; \
        return &map;                                                         \
    }

// A typed call of the member handler; a wrong signature fails to compile.
// The message counts as handled.
#define QUILL_HANDLER(...) QUILL_HANDLER_IF(__VA_ARGS__; return true)
// As QUILL_HANDLER, but the body returns whether the message was handled.
#define QUILL_HANDLER_IF(...)                         \
    [](CWnd& wnd, Message& msg) -> bool {             \
        auto& self = static_cast<ThisClass&>(wnd);    \
        (void)self;                                   \
        (void)msg;                                    \
        __VA_ARGS__;                                  \
    }

#define QUILL_POINT(lParam) POINT{ static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)) }

// ---- any message, commands and notifications ----

// LRESULT fn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, fn) \
    { message, 0, 0, QUILL_HANDLER(msg.result = self.fn(msg.wParam, msg.lParam)) },
// void fn(); menu items, accelerators and control clicks of id
#define ON_COMMAND(id, fn) \
    { WM_COMMAND, 0, static_cast<UINT>(id), QUILL_HANDLER(self.fn()) },
// void fn()
#define ON_BN_CLICKED(id, fn) \
    { WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), QUILL_HANDLER(self.fn()) },
// void fn(NMHDR* header, LRESULT* result)
#define ON_NOTIFY(code, id, fn)                                    \
    { WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id),   \
      QUILL_HANDLER(self.fn(reinterpret_cast<NMHDR*>(msg.lParam), &msg.result)) },

// ---- reflected back to the control that sent them ----

// void fn(NMHDR* header, LRESULT* result); the parent does not see it
#define ON_NOTIFY_REFLECT(code, fn)                                \
    { WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0,     \
      QUILL_HANDLER(self.fn(reinterpret_cast<NMHDR*>(msg.lParam), &msg.result)) },
// BOOL fn(NMHDR* header, LRESULT* result); FALSE lets the parent see it too
#define ON_NOTIFY_REFLECT_EX(code, fn)                             \
    { WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0,     \
      QUILL_HANDLER_IF(return self.fn(reinterpret_cast<NMHDR*>(msg.lParam), &msg.result) != FALSE) },
// void fn(); the parent does not see it
#define ON_CONTROL_REFLECT(code, fn) \
    { WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, QUILL_HANDLER(self.fn()) },
// BOOL fn(); FALSE lets the parent see it too
#define ON_CONTROL_REFLECT_EX(code, fn) \
    { WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, QUILL_HANDLER_IF(return self.fn() != FALSE) },
// virtual void DrawItem(LPDRAWITEMSTRUCT drawItem)
#define ON_WM_DRAWITEM_REFLECT()                                   \
    { WM_REFLECT_BASE + WM_DRAWITEM, 0, 0,                         \
      QUILL_HANDLER(self.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(msg.lParam)); msg.result = TRUE) },
// HBRUSH CtlColor(DCView dc, UINT ctlColor); ctlColor is CTLCOLOR_*. A null
// brush leaves the colours to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                              \
    { WM_REFLECT_CTLCOLOR, 0, 0,                                                             \
      QUILL_HANDLER_IF(HBRUSH brush = self.CtlColor(DCView(reinterpret_cast<HDC>(msg.wParam)), \
                                                    msg.message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX); \
                       msg.result = reinterpret_cast<LRESULT>(brush); return brush != nullptr) },

// ---- window messages ----

// void OnPaint()
#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, QUILL_HANDLER(self.OnPaint()) },
// BOOL OnEraseBkgnd(DCView dc)
#define ON_WM_ERASEBKGND() \
    { WM_ERASEBKGND, 0, 0, QUILL_HANDLER(msg.result = self.OnEraseBkgnd(DCView(reinterpret_cast<HDC>(msg.wParam)))) },
// void OnDestroy()
#define ON_WM_DESTROY() \
    { WM_DESTROY, 0, 0, QUILL_HANDLER(self.OnDestroy()) },
// void OnSysCommand(UINT command, LPARAM lParam)
#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, QUILL_HANDLER(self.OnSysCommand(static_cast<UINT>(msg.wParam), msg.lParam)) },
// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, QUILL_HANDLER(msg.result = reinterpret_cast<LRESULT>(self.OnQueryDragIcon())) },
// void OnMouseMove(UINT flags, POINT point); point in client coordinates
#define ON_WM_MOUSEMOVE() \
    { WM_MOUSEMOVE, 0, 0, QUILL_HANDLER(self.OnMouseMove(static_cast<UINT>(msg.wParam), QUILL_POINT(msg.lParam))) },
// void OnLButtonDown(UINT flags, POINT point); point in client coordinates
#define ON_WM_LBUTTONDOWN() \
    { WM_LBUTTONDOWN, 0, 0, QUILL_HANDLER(self.OnLButtonDown(static_cast<UINT>(msg.wParam), QUILL_POINT(msg.lParam))) },
// void OnMouseLeave()
#define ON_WM_MOUSELEAVE() \
    { WM_MOUSELEAVE, 0, 0, QUILL_HANDLER(self.OnMouseLeave()) },
// void OnCaptureChanged(WndView gaining); gaining may hold no window
#define ON_WM_CAPTURECHANGED() \
    { WM_CAPTURECHANGED, 0, 0, QUILL_HANDLER(self.OnCaptureChanged(WndView(reinterpret_cast<HWND>(msg.lParam)))) },
// BOOL OnSetCursor(WndView wnd, UINT hitTest, UINT message)
#define ON_WM_SETCURSOR()                                                                    \
    { WM_SETCURSOR, 0, 0,                                                                   \
      QUILL_HANDLER(msg.result = self.OnSetCursor(WndView(reinterpret_cast<HWND>(msg.wParam)), \
                                                  LOWORD(msg.lParam), HIWORD(msg.lParam))) },
// void OnEnable(BOOL enable)
#define ON_WM_ENABLE() \
    { WM_ENABLE, 0, 0, QUILL_HANDLER(self.OnEnable(static_cast<BOOL>(msg.wParam))) },
// void OnActivate(UINT state, WndView other, BOOL minimized); state is WA_*
#define ON_WM_ACTIVATE()                                                                 \
    { WM_ACTIVATE, 0, 0,                                                                \
      QUILL_HANDLER(self.OnActivate(LOWORD(msg.wParam), WndView(reinterpret_cast<HWND>(msg.lParam)), \
                                    HIWORD(msg.wParam) != 0)) },
// void OnKillFocus(WndView gaining); gaining may hold no window
#define ON_WM_KILLFOCUS() \
    { WM_KILLFOCUS, 0, 0, QUILL_HANDLER(self.OnKillFocus(WndView(reinterpret_cast<HWND>(msg.wParam)))) },
// void OnCancelMode()
#define ON_WM_CANCELMODE() \
    { WM_CANCELMODE, 0, 0, QUILL_HANDLER(self.OnCancelMode()) },
// void OnSysColorChange()
#define ON_WM_SYSCOLORCHANGE() \
    { WM_SYSCOLORCHANGE, 0, 0, QUILL_HANDLER(self.OnSysColorChange()) },
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() \
    { WM_GETDLGCODE, 0, 0, QUILL_HANDLER(msg.result = self.OnGetDlgCode()) },
// void OnMeasureItem(int ctlId, LPMEASUREITEMSTRUCT item); for menus too
#define ON_WM_MEASUREITEM()                                                       \
    { WM_MEASUREITEM, 0, 0,                                                      \
      QUILL_HANDLER(self.OnMeasureItem(static_cast<int>(msg.wParam),             \
                                       reinterpret_cast<LPMEASUREITEMSTRUCT>(msg.lParam)); msg.result = TRUE) },
// LRESULT OnMenuChar(UINT character, UINT flags, MenuView menu); flags is MF_POPUP or MF_SYSMENU
#define ON_WM_MENUCHAR()                                                                         \
    { WM_MENUCHAR, 0, 0,                                                                        \
      QUILL_HANDLER(msg.result = self.OnMenuChar(LOWORD(msg.wParam), HIWORD(msg.wParam),        \
                                                 MenuView(reinterpret_cast<HMENU>(msg.lParam)))) },

// ---- button messages ----

// LRESULT OnSetStyle(UINT style, LPARAM redraw)
#define ON_BM_SETSTYLE() \
    { BM_SETSTYLE, 0, 0, QUILL_HANDLER(msg.result = self.OnSetStyle(static_cast<UINT>(msg.wParam), msg.lParam)) },
// void OnSetCheck(UINT state); state is BST_*
#define ON_BM_SETCHECK() \
    { BM_SETCHECK, 0, 0, QUILL_HANDLER(self.OnSetCheck(static_cast<UINT>(msg.wParam))) },
// UINT OnGetCheck()
#define ON_BM_GETCHECK() \
    { BM_GETCHECK, 0, 0, QUILL_HANDLER(msg.result = self.OnGetCheck()) },

// clang-format on
