#pragma once
#include <type_traits>

#include <windows.h>

class CWnd;

// One window message on its way through a message table.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

using MessageHandler = void (*)(CWnd& wnd, Message& msg);

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
#define QUILL_HANDLER(...) \
    [](CWnd& wnd, Message& msg) { auto& self = static_cast<ThisClass&>(wnd); (void)self; (void)msg; __VA_ARGS__; }

#define ON_MESSAGE(message, fn) \
    { message, 0, 0, QUILL_HANDLER(msg.result = self.fn(msg.wParam, msg.lParam)) },
#define ON_COMMAND(id, fn) \
    { WM_COMMAND, 0, static_cast<UINT>(id), QUILL_HANDLER(self.fn()) },
#define ON_BN_CLICKED(id, fn) \
    { WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), QUILL_HANDLER(self.fn()) },
#define ON_NOTIFY(code, id, fn)                                    \
    { WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id),   \
      QUILL_HANDLER(self.fn(reinterpret_cast<NMHDR*>(msg.lParam), &msg.result)) },
#define ON_NOTIFY_REFLECT(code, fn)                                \
    { WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0,     \
      QUILL_HANDLER(self.fn(reinterpret_cast<NMHDR*>(msg.lParam), &msg.result)) },
#define ON_CONTROL_REFLECT(code, fn) \
    { WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, QUILL_HANDLER(self.fn()) },
#define ON_WM_DRAWITEM_REFLECT()                                   \
    { WM_REFLECT_BASE + WM_DRAWITEM, 0, 0,                         \
      QUILL_HANDLER(self.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(msg.lParam)); msg.result = TRUE) },
#define ON_WM_PAINT() \
    { WM_PAINT, 0, 0, QUILL_HANDLER(self.OnPaint()) },
#define ON_WM_DESTROY() \
    { WM_DESTROY, 0, 0, QUILL_HANDLER(self.OnDestroy()) },
#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, QUILL_HANDLER(self.OnSysCommand(static_cast<UINT>(msg.wParam), msg.lParam)) },
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, QUILL_HANDLER(msg.result = reinterpret_cast<LRESULT>(self.OnQueryDragIcon())) },
