#pragma once
#include <memory>
#include <string>

#include "app/LookupOutcome.h"
#include "lookup/LookupState.h"
#include "lookup/SourceConfig.h"

// Runs the window's search without a window: the community worker on its own
// thread, the library's on the caller's, their rows and what each source
// said collected.
// Run may be called from several threads at once.
class ConsoleSearch {
public:
    explicit ConsoleSearch(const SourceConfig& config);
    // Rows in a fixed order, library before community, so output is stable.
    LookupOutcome Run(const std::string& isbn);

private:
    SourceConfig config;
    std::shared_ptr<LookupState> state;
};
