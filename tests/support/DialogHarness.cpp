#include "DialogHarness.h"

#include <thread>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "WaitFor.h"
#include "framework/CodePage.h"
#include "framework/Dialog.h"
#include "resource.h"

namespace {

const UINT WM_RUN_ON_UI = WM_APP + 77;
// Posted; lParam is an event to set.
const UINT WM_SET_EVENT = WM_APP + 78;
// A dialog takes well under a second to show, even on a loaded machine.
const int kShowMs = 10000;

LRESULT CALLBACK RunnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RUN_ON_UI) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == WM_SET_EVENT) {
        ::SetEvent(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateRunner()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = RunnerProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuillTestRunner";
    ::RegisterClassW(&wc);
    return ::CreateWindowW(L"QuillTestRunner", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

}

void DialogHarness::Run(CDialog& target, const std::function<void(DialogHarness&)>& script)
{
    uiThread = ::GetCurrentThreadId();
    runner = CreateRunner();
    std::thread driver([&] {
        if (WaitFor([&] { return (dialog = target.GetSafeHwnd()) && ::IsWindowVisible(dialog); }, kShowMs)) {
            script(*this);
            return;
        }
        ADD_FAILURE() << "the dialog did not appear within " << kShowMs << " ms";
        if (dialog)
            Close();  // a modal loop may run for a window never shown
    });
    target.DoModal();
    driver.join();
    ::DestroyWindow(runner);
}

void DialogHarness::SetText(int id, const std::string& utf8)
{
    ::SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(MultiByteToWide(utf8, CP_UTF8).c_str()));
}

std::string DialogHarness::Text(int id)
{
    wchar_t buffer[4096] = {};
    ::SendMessageW(Item(id), WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer));
    return WideToMultiByte(buffer, CP_UTF8);
}

void DialogHarness::PressKey(HWND target, WPARAM key)
{
    ::PostMessageW(target, WM_KEYDOWN, key, 1);
    ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void DialogHarness::Search(const std::string& utf8)
{
    SetText(IDC_ISBN_EDIT, utf8);
    PressKey(Item(IDC_ISBN_EDIT), VK_RETURN);
}

void DialogHarness::Close()
{
    ::PostMessageW(dialog, WM_CLOSE, 0, 0);
}

void DialogHarness::OnUiThread(const std::function<void()>& fn)
{
    ::SendMessageW(runner, WM_RUN_ON_UI, 0, reinterpret_cast<LPARAM>(&fn));
}

bool DialogHarness::DrainPosted()
{
    HANDLE handled = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ::PostMessageW(runner, WM_SET_EVENT, 0, reinterpret_cast<LPARAM>(handled));
    bool done = ::WaitForSingleObject(handled, 10000) == WAIT_OBJECT_0;
    // Left open when the message is still on its way: it sets the event yet.
    if (done)
        ::CloseHandle(handled);
    return done;
}

int DialogHarness::RowCount()
{
    return static_cast<int>(::SendMessageW(Item(IDC_RESULT_LIST), LVM_GETITEMCOUNT, 0, 0));
}

std::string DialogHarness::Cell(int row, int column)
{
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 1024;
    ::SendMessageW(Item(IDC_RESULT_LIST), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return WideToMultiByte(buffer, CP_UTF8);
}

HWND DialogHarness::FocusedWindow()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(uiThread, &info);
    return info.hwndFocus;
}
