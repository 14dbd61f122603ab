#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include <windows.h>

// Holds the clipboard open for one scope (CloseClipboard in the destructor).
class Clipboard {
public:
    explicit Clipboard(HWND owner);
    ~Clipboard();
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    // Replaces the contents with cp936 (code page 936) as CF_TEXT, the same
    // text as CF_UNICODETEXT, and its locale. True exactly when CF_TEXT was
    // placed; FALSE while another window holds the clipboard.
    // unicode, when not empty, is the CF_UNICODETEXT instead: the same text
    // with what code page 936 cannot hold.
    bool PutText(const std::string& cp936, const std::wstring& unicode = std::wstring());

private:
    bool open;
};

// Hands one format's bytes to the open clipboard; false when refused.
using ClipboardSetter = std::function<bool(UINT format, const void* data, std::size_t size)>;

// The formats of PutText through set; the extras only after CF_TEXT. True
// exactly when set took CF_TEXT, whatever becomes of the extras.
bool PlaceText(const std::string& cp936, const ClipboardSetter& set, const std::wstring& unicode = std::wstring());

// Puts cp936 on the clipboard with owner as its owner; FALSE, quietly, when
// the clipboard cannot be opened.
bool PutTextOnClipboard(HWND owner, const std::string& cp936, const std::wstring& unicode = std::wstring());
