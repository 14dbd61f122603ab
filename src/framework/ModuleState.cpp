#include "framework/ModuleState.h"

#include "framework/WndView.h"

namespace {

// UI thread only, like the windows.
HINSTANCE resourceModule = nullptr;
const WndView* mainWnd = nullptr;

std::wstring ExecutablePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::size_t LastSlash(const std::wstring& path)
{
    return path.find_last_of(L"\\/");
}

}  // namespace

HINSTANCE AfxGetResourceHandle()
{
    return resourceModule ? resourceModule : ::GetModuleHandleW(nullptr);
}

void AfxSetResourceHandle(HINSTANCE module)
{
    resourceModule = module;
}

const WndView* AfxGetMainWnd()
{
    return mainWnd;
}

void AfxSetMainWnd(const WndView* mainWindow)
{
    mainWnd = mainWindow;
}

HWND AfxGetMainHwnd()
{
    return mainWnd ? mainWnd->GetSafeHwnd() : nullptr;
}

const std::wstring& AfxGetProgramStem()
{
    static const std::wstring stem = [] {
        std::wstring path = ExecutablePath();
        std::size_t slash = LastSlash(path);
        std::size_t dot = path.find_last_of(L'.');
        bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
        return hasExtension ? path.substr(0, dot) : path;
    }();
    return stem;
}

const std::wstring& AfxGetAppName()
{
    static const std::wstring name = [] {
        const std::wstring& stem = AfxGetProgramStem();
        std::size_t slash = LastSlash(stem);
        return slash == std::wstring::npos ? stem : stem.substr(slash + 1);
    }();
    return name;
}
