#pragma once
#include <atomic>

#include <windows.h>

#include "lookup/RowSink.h"

// Hands a worker's row to the window's thread and waits until it is in the
// list. After Disconnect (the window is going) rows are dropped, so a
// worker that outlives the window never touches it.
class ListRowSink : public RowSink {
public:
    // The window receives message with lParam pointing at the row's texts.
    ListRowSink(HWND window, UINT message);
    void AppendRow(SourceKind source, const std::vector<std::string>& texts) override;
    void Disconnect();

private:
    std::atomic<HWND> window;
    const UINT message;
};
