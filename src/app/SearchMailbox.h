#pragma once
#include <atomic>
#include <string>

#include <windows.h>

#include "lookup/SourceOutcome.h"

// One search worker's publish step, as the window's thread carries it out.
struct SearchPublication {
    unsigned search;  // the number of the search the worker was started for
    std::string isbn;
    SourceOutcome outcome;
};

// Hands a worker's publication to the window's thread and waits until it is
// carried out. After Disconnect (the window is going) nothing is delivered,
// so a worker that outlives the window never touches it.
class SearchMailbox {
public:
    // The window receives message with lParam pointing at the publication.
    SearchMailbox(HWND window, UINT message);
    void Deliver(const SearchPublication& publication);
    void Disconnect();

private:
    std::atomic<HWND> window;
    const UINT message;
};
