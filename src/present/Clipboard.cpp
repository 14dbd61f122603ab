#include "present/Clipboard.h"

#include "framework/CodePage.h"
#include "present/GlobalBlock.h"

namespace {

// The clipboard owns the block once SetClipboardData accepts it.
bool SetData(UINT format, const void* data, std::size_t size)
{
    GlobalBlock block = GlobalBlock::Copy(data, size);
    if (!block || !::SetClipboardData(format, block.GetSafeHandle()))
        return false;
    block.Detach();
    return true;
}

}

Clipboard::Clipboard(HWND owner) : open(::OpenClipboard(owner) != FALSE)
{
}

Clipboard::~Clipboard()
{
    if (open)
        ::CloseClipboard();
}

bool Clipboard::PutText(const std::string& cp936, const std::wstring& unicode)
{
    return open && ::EmptyClipboard() && PlaceText(cp936, SetData, unicode);
}

bool PlaceText(const std::string& cp936, const ClipboardSetter& set, const std::wstring& unicode)
{
    if (!set(CF_TEXT, cp936.c_str(), cp936.size() + 1))
        return false;
    // Extras: the system derives both from CF_TEXT when they are missing.
    const std::wstring wide = unicode.empty() ? MultiByteToWide(cp936) : unicode;
    set(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    // Says that CF_TEXT is Chinese (simplified), so a reader on another
    // system locale converts it with code page 936.
    const LCID chinese = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
    set(CF_LOCALE, &chinese, sizeof(chinese));
    return true;
}

bool PutTextOnClipboard(HWND owner, const std::string& cp936, const std::wstring& unicode)
{
    Clipboard clipboard(owner);
    return clipboard.PutText(cp936, unicode);
}
