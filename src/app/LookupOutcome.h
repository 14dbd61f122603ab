#pragma once
#include <string>
#include <vector>

#include "lookup/RowSink.h"

struct FoundRow {
    SourceKind source;
    std::vector<std::string> texts;  // the ISBN, then slots 0..10
};

// How one source's lookup ended: failure is empty when the source answered,
// with the book or without; otherwise "unreachable", "timed out" or "HTTP <code>".
struct SourceAnswer {
    SourceKind source;
    std::string failure;
};

// Everything one ISBN's lookup gave.
struct LookupOutcome {
    std::string isbn;               // as searched, or as read when invalid
    bool invalid = false;           // rejected by --clean, not searched
    std::vector<FoundRow> rows;     // library before community
    std::vector<SourceAnswer> answers;

    bool Found() const { return !rows.empty(); }
    bool Failed() const
    {
        for (const SourceAnswer& a : answers)
            if (!a.failure.empty())
                return true;
        return false;
    }
};
