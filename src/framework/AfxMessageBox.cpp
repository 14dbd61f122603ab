#include "framework/AfxMessageBox.h"

#include <utility>

#include "framework/CodePage.h"
#include "framework/ModuleState.h"

namespace {
MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

int AfxMessageBox(const std::string& text, UINT type)
{
    // Owned by the main window, so the box is modal to it.
    return AfxShowMessageBox(AfxGetMainHwnd(), MultiByteToWide(text), std::wstring(), type);
}

int AfxShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type)
{
    const std::wstring& shown = caption.empty() ? AfxGetAppName() : caption;
    if (Hook())
        return Hook()(text, shown, type);
    return ::MessageBoxW(owner, text.c_str(), shown.c_str(), type);
}

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}
