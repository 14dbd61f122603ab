#pragma once
#include <string>

#include "framework/CriticalSection.h"
#include "lookup/BookRecord.h"

class RowSink;

struct SearchContext {
    RowSink* resultList = nullptr;
};

// What the searches share. Workers publish under lookupLock. The UI thread
// never takes lookupLock (a worker holding it may be waiting for the UI
// thread); it reads the introduction under introLock, which is held only
// for a copy.
class LookupState {
public:
    void SetShownIntro(const std::string& intro);
    std::string ShownIntro();

    CCriticalSection lookupLock;
    std::string searchIsbn;
    ResultFields resultFields;
    SearchContext searchContext;

private:
    CCriticalSection introLock;
    std::string shownIntro;
};
