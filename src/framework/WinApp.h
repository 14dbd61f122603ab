#pragma once
#include <string>
#include <vector>

#include <windows.h>

// The application object; one per program, usually a static. The program
// makes its main window known with AfxSetMainWnd (framework/ModuleState.h);
// message boxes take the program's title, AfxGetAppName.
//
// The program's own file starts it (the target links with -mwindows
// -municode):
//     BookLookupApp theApp;
//     int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show)
//     {
//         return AfxWinMain(instance, previous, commandLine, show);
//     }
class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // FALSE ends the program; TRUE runs the message loop until WM_QUIT.
    virtual BOOL InitInstance();
    int Run();

    // The profile is an .ini file, by default beside the executable with its
    // base name. Section, entry and text are code page 936; the system keeps
    // Chinese text only in a file that starts with a UTF-16 byte-order mark.
    void SetProfilePath(const std::wstring& path) { profilePath = path; }
    const std::wstring& GetProfilePath() const { return profilePath; }
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = std::string()) const;
    // A binary entry is stored as two hex digits per byte, in order:
    // 1000=0B00000078000000... FALSE when the entry is missing, empty or not
    // an even number of hex digits.
    BOOL GetProfileBinary(const std::string& section, const std::string& entry, std::vector<BYTE>& data) const;

private:
    std::wstring profilePath;
};

CWinApp* AfxGetApp();
// String resource id of the program as code page 936; empty when missing.
std::string AfxLoadString(UINT id);
// Registers the common control classes the program uses (list view, header,
// tooltips and the standard controls).
void AfxInitCommonControls();
// The instance becomes the resource module.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);
