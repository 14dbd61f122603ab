#pragma once
#include <string>
#include <vector>

#include <windows.h>

// Builds a DLGTEMPLATE with its items in memory, for dialogs without a
// resource file.
class DialogTemplate {
public:
    // Predefined control classes of DLGITEMTEMPLATE.
    static constexpr WORD kButton = 0x0080;
    static constexpr WORD kEdit = 0x0081;
    static constexpr WORD kStatic = 0x0082;

    DialogTemplate(DWORD style, const std::wstring& title, short width, short height);
    void AddControl(WORD classAtom, WORD id, DWORD style, RECT rect, const std::wstring& text = std::wstring());
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words.data()); }

private:
    void AddDword(DWORD value);
    void AddString(const std::wstring& text);
    void AlignToDword();

    std::vector<WORD> words;
};
