#pragma once
#include <string>
#include <vector>

#include "console/LookupOutcome.h"
#include "lookup/ConfiguredSources.h"
#include "lookup/SourceConfig.h"

// One ISBN asked of every configured source at once: the first source on
// the caller's thread, the others on spare threads. Pages are fetched for a
// batch: no cache or cookies, kept connections, a 429 or 503 asked again.
// Shares nothing between calls, so Run may be called from several threads
// at once. A Z39.50 catalogue's connections are kept across calls, so each
// is signed on once.
class ConsoleSearch {
public:
    explicit ConsoleSearch(const SourceConfig& config);
    LookupOutcome Run(const std::string& isbn) const;

private:
    const SourceConfig config;
    const std::vector<LookupSource> sources;
};

// A lookup that broke down: every configured source failed.
LookupOutcome BrokenOutcome(const std::string& isbn, const SourceConfig& config);
