#include "app/ListRowSink.h"

ListRowSink::ListRowSink(HWND w, UINT m) : window(w), message(m) {}

void ListRowSink::AppendRow(SourceKind, const std::vector<std::string>& texts)
{
    HWND target = window.load();
    // A window destroyed meanwhile makes SendMessage fail harmlessly.
    if (target)
        ::SendMessageW(target, message, 0, reinterpret_cast<LPARAM>(&texts));
}

void ListRowSink::Disconnect()
{
    window.store(nullptr);
}
