#include "framework/WinApp.h"

#include <commctrl.h>

#include "framework/CodePage.h"
#include "framework/ModuleState.h"
#include "framework/ProfileBinary.h"
#include "framework/Wnd.h"

namespace {

CWinApp* theApp = nullptr;

std::wstring ReadIniString(const std::wstring& file, const std::string& section, const std::string& entry,
                           const std::wstring& defaultValue)
{
    std::wstring wideSection = MultiByteToWide(section);
    std::wstring wideEntry = MultiByteToWide(entry);
    std::wstring value(256, L'\0');
    for (;;) {
        DWORD n = ::GetPrivateProfileStringW(wideSection.c_str(), wideEntry.c_str(), defaultValue.c_str(), value.data(),
                                             static_cast<DWORD>(value.size()), file.c_str());
        if (n + 1 < value.size()) {
            value.resize(n);
            return value;
        }
        value.resize(value.size() * 2);
    }
}

}  // namespace

CWinApp::CWinApp() : profilePath(AfxGetProgramStem() + L".ini")
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
        if (!CWnd::WalkPreTranslateTree(AfxGetMainHwnd(), &msg)) {
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

std::string AfxLoadString(UINT id)
{
    const wchar_t* text = nullptr;
    // With no buffer length the call points text at the resource itself.
    int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? WideToMultiByte(std::wstring(text, static_cast<size_t>(length))) : std::string();
}

void AfxInitCommonControls()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

int AfxWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    AfxSetResourceHandle(instance);
    AfxInitCommonControls();
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    return app->InitInstance() ? app->Run() : 0;
}
