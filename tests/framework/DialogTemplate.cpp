#include "DialogTemplate.h"

namespace {
constexpr size_t kItemCountWord = 4;  // DLGTEMPLATE::cdit
}

DialogTemplate::DialogTemplate(DWORD style, const std::wstring& title, short width, short height)
{
    AddDword(style);
    AddDword(0);  // extended style
    words.insert(words.end(), {0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height)});
    words.insert(words.end(), {0, 0});  // no menu, default class
    AddString(title);
}

void DialogTemplate::AddControl(WORD classAtom, WORD id, DWORD style, RECT rect, const std::wstring& text)
{
    AlignToDword();
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    words.insert(words.end(),
                 {static_cast<WORD>(rect.left), static_cast<WORD>(rect.top), static_cast<WORD>(rect.right - rect.left),
                  static_cast<WORD>(rect.bottom - rect.top), id});
    words.insert(words.end(), {0xFFFF, classAtom});
    AddString(text);
    words.push_back(0);  // no creation data
    ++words[kItemCountWord];
}

void DialogTemplate::AddDword(DWORD value)
{
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

void DialogTemplate::AddString(const std::wstring& text)
{
    words.insert(words.end(), text.begin(), text.end());
    words.push_back(0);
}

void DialogTemplate::AlignToDword()
{
    if (words.size() % 2 != 0)
        words.push_back(0);
}
