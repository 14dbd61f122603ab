#pragma once
#include <string>
#include <vector>

#include "lookup/SourceOutcome.h"

// Everything one ISBN's lookup gave.
struct LookupOutcome {
    std::string isbn;                    // as searched, or as read when invalid
    bool invalid = false;                // rejected by --clean, not searched
    std::vector<SourceOutcome> sources;  // in the configured order

    bool Found() const;
    bool Failed() const;
    std::size_t Rows() const;
};
