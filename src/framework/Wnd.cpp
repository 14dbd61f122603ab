#include "framework/Wnd.h"

#include <cstdio>
#include <mutex>
#include <unordered_map>
#include <utility>

#include <commctrl.h>

#include "framework/AfxMessageBox.h"
#include "framework/CodePage.h"
#include "framework/Trace.h"
#include "framework/WindowCreationHook.h"

namespace {

// Worker threads only send messages; the mutex guards against windows being
// made on more than one thread.
std::mutex handleMapMutex;
std::unordered_map<HWND, CWnd*> handleMap;
CWnd::OwnerDrawRoute ownerDrawRoute = nullptr;

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Menus send code 0 and accelerators code 1, both without a control;
// command entries take both as code 0.
UINT CommandCode(const Message& msg)
{
    return msg.lParam ? HIWORD(msg.wParam) : 0;
}

bool EntryMatches(const MessageEntry& entry, const Message& msg)
{
    if (entry.message == WM_REFLECT_CTLCOLOR)
        return msg.message >= WM_REFLECT_BASE && IsCtlColor(msg.message - WM_REFLECT_BASE);
    if (entry.message != msg.message)
        return false;
    switch (msg.message) {
    case WM_COMMAND:
        return entry.code == CommandCode(msg) && entry.id == LOWORD(msg.wParam);
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(msg.lParam);
        return entry.code == header->code && entry.id == header->idFrom;
    }
    case WM_REFLECT_BASE + WM_COMMAND:
        return entry.code == HIWORD(msg.wParam);
    case WM_REFLECT_BASE + WM_NOTIFY:
        return entry.code == reinterpret_cast<const NMHDR*>(msg.lParam)->code;
    default:
        return true;
    }
}

}  // namespace

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    HWND hwnd = superProc ? UnsubclassWindow() : Detach();
    ::DestroyWindow(hwnd);
}

void CWnd::SetOwnerDrawRoute(OwnerDrawRoute route)
{
    ownerDrawRoute = route;
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    std::lock_guard<std::mutex> lock(handleMapMutex);
    auto found = handleMap.find(hwnd);
    return found == handleMap.end() ? nullptr : found->second;
}

const wchar_t* CWnd::DefaultClassName()
{
    static const wchar_t* name = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"QuillWnd";
        ::RegisterClassExW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop)
            break;
    }
    return FALSE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect,
                    HWND parent, UINT id)
{
    if (m_hWnd)
        return FALSE;
    WindowCreationHook hook([this](HWND created) { SubclassWindow(created); });
    HWND hwnd =
        ::CreateWindowExW(exStyle, className ? className : DefaultClassName(), windowName, style, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    return hwnd != nullptr;
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (m_hWnd || !hwnd)
        return FALSE;
    std::lock_guard<std::mutex> lock(handleMapMutex);
    if (!handleMap.emplace(hwnd, this).second)
        return FALSE;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = std::exchange(m_hWnd, nullptr);
    std::lock_guard<std::mutex> lock(handleMapMutex);
    handleMap.erase(hwnd);
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcThunk)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(std::exchange(superProc, nullptr)));
    return Detach();
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

MenuView CWnd::GetSystemMenu(BOOL revert) const
{
    return ::GetSystemMenu(m_hWnd, revert);
}

// The framework's hit-test tooltips serve windows that answer tool hit tests;
// no window here does, and the program registers its tools with
// CToolTipCtrl, so there is nothing to switch on.
void CWnd::EnableToolTips(BOOL)
{
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type)
{
    return AfxShowMessageBox(m_hWnd, MultiByteToWide(text), MultiByteToWide(caption), type);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    Message msg{message, wParam, lParam, 0};
    currentMessage = &msg;
    if (OnWndMsg(msg))
        return msg.result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (superProc)
        return ::CallWindowProcW(superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (!currentMessage)
        return 0;
    return DefWindowProc(currentMessage->message, currentMessage->wParam, currentMessage->lParam);
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnDestroy()
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

const MessageMap* CWnd::GetThisMessageMap()
{
    static const MessageEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map{nullptr, entries};
    return &map;
}

const MessageMap* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

LRESULT CALLBACK CWnd::WindowProcThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    Message* outer = wnd->currentMessage;
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // No C++ exception may unwind through the window manager.
        char where[48];
        std::snprintf(where, sizeof(where), "window procedure, message 0x%04X", message);
        AfxTraceCaught(where);
    }
    wnd->currentMessage = outer;
    if (message == WM_NCDESTROY)
        wnd->ReleaseHandle();
    return result;
}

bool CWnd::OnWndMsg(Message& msg)
{
    return ReflectToChild(msg) || Dispatch(msg) || RouteOwnerDraw(msg);
}

bool CWnd::RouteOwnerDraw(Message& msg)
{
    const bool ownerDraw = msg.message == WM_DRAWITEM || msg.message == WM_MEASUREITEM;
    if (!ownerDraw || !ownerDrawRoute || !ownerDrawRoute(m_hWnd, msg.message, msg.lParam))
        return false;
    msg.result = TRUE;
    return true;
}

bool CWnd::Dispatch(Message& msg)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageEntry* entry = map->entries; entry->handler; ++entry) {
            if (EntryMatches(*entry, msg))
                return entry->handler(*this, msg);
        }
    }
    return false;
}

bool CWnd::ReflectToChild(Message& msg)
{
    HWND target = ReflectionTarget(msg);
    CWnd* child = target && target != m_hWnd ? FromHandlePermanent(target) : nullptr;
    if (!child)
        return false;
    Message reflected{WM_REFLECT_BASE + msg.message, msg.wParam, msg.lParam, 0};
    if (!child->Dispatch(reflected))
        return false;
    msg.result = reflected.result;
    return true;
}

HWND CWnd::ReflectionTarget(const Message& msg) const
{
    switch (msg.message) {
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(msg.lParam)->hwndFrom;
    case WM_COMMAND:
        return reinterpret_cast<HWND>(msg.lParam);  // 0 for menus and accelerators
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(msg.lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(msg.lParam);
        return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(static_cast<int>(item->CtlID));
    }
    default:
        return IsCtlColor(msg.message) ? reinterpret_cast<HWND>(msg.lParam) : nullptr;
    }
}

void CWnd::ReleaseHandle()
{
    superProc = nullptr;
    Detach();
}
