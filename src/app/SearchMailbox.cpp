#include "app/SearchMailbox.h"

SearchMailbox::SearchMailbox(HWND w, UINT m) : window(w), message(m)
{
}

void SearchMailbox::Deliver(const SearchPublication& publication)
{
    HWND target = window.load();
    // A window destroyed meanwhile makes SendMessage fail harmlessly.
    if (target)
        ::SendMessageW(target, message, 0, reinterpret_cast<LPARAM>(&publication));
}

void SearchMailbox::Disconnect()
{
    window.store(nullptr);
}
