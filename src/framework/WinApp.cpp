#include "framework/WinApp.h"

#include <commctrl.h>

#include "framework/CodePage.h"
#include "framework/ProfileBinary.h"
#include "framework/Wnd.h"

namespace {

CWinApp* theApp = nullptr;

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

// Path without the extension of its last component.
std::wstring StripExtension(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    size_t dot = path.find_last_of(L'.');
    bool hasExtension = dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash);
    return hasExtension ? path.substr(0, dot) : path;
}

std::wstring BaseName(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ReadIniString(const std::wstring& file, const std::string& section, const std::string& entry,
                           const std::wstring& defaultValue)
{
    std::wstring wideSection = MultiByteToWide(section);
    std::wstring wideEntry = MultiByteToWide(entry);
    std::wstring value(256, L'\0');
    for (;;) {
        DWORD n = ::GetPrivateProfileStringW(wideSection.c_str(), wideEntry.c_str(), defaultValue.c_str(),
                                             value.data(), static_cast<DWORD>(value.size()), file.c_str());
        if (n + 1 < value.size()) {
            value.resize(n);
            return value;
        }
        value.resize(value.size() * 2);
    }
}

} // namespace

CWinApp::CWinApp()
    : m_hInstance(::GetModuleHandleW(nullptr)),
      appName(BaseName(StripExtension(ExecutablePath()))),
      profilePath(StripExtension(ExecutablePath()) + L".ini")
{
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& entry,
                                      const std::string& defaultValue) const
{
    return WideToMultiByte(ReadIniString(profilePath, section, entry, MultiByteToWide(defaultValue)));
}

BOOL CWinApp::GetProfileBinary(const std::string& section, const std::string& entry, std::vector<BYTE>& data) const
{
    std::wstring text = ReadIniString(profilePath, section, entry, std::wstring());
    return DecodeProfileBinary(text, data);
}

CWinApp* AfxGetApp()
{
    return theApp;
}

const std::wstring& AfxGetAppName()
{
    static const std::wstring executableName = BaseName(StripExtension(ExecutablePath()));
    return theApp ? theApp->GetAppName() : executableName;
}

std::string AfxLoadString(UINT id)
{
    const wchar_t* text = nullptr;
    // With no buffer length the call points text at the resource itself.
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? WideToMultiByte(std::wstring(text, static_cast<size_t>(length))) : std::string();
}

void AfxInitCommonControls()
{
    INITCOMMONCONTROLSEX controls{ sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&controls);
}

int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    AfxInitCommonControls();
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    return app->InitInstance() ? app->Run() : 0;
}
