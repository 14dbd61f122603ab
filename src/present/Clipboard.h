#pragma once
#include <string>

#include <windows.h>

// Holds the clipboard open for one scope (CloseClipboard in the destructor).
class Clipboard {
public:
    explicit Clipboard(HWND owner);
    ~Clipboard();
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;

    // FALSE while another window holds the clipboard.
    // Replaces the contents with cp936 (code page 936) as CF_TEXT and the
    // same text as CF_UNICODETEXT.
    bool PutText(const std::string& cp936);

private:
    bool open;
};

// Puts cp936 on the clipboard with owner as its owner; FALSE, quietly, when
// the clipboard cannot be opened.
bool PutTextOnClipboard(HWND owner, const std::string& cp936);
