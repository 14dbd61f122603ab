#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lookup/CatalogueSource.h"
#include "lookup/PageResult.h"
#include "lookup/SourceConfig.h"
#include "lookup/SourceOutcome.h"

// One source: ISBN, settings and a page fetch in, what it found out.
using SourceAsk =
    std::function<SourceOutcome(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch)>;

struct LookupSource {
    SourceKind kind;
    std::string name;  // as SourceOutcome::name
    SourceAsk ask;
};

// The sources a search asks, in the order the console lists their rows:
// the library, the community, then the catalogues (see ConfiguredCatalogues).
std::vector<LookupSource> ConfiguredSources(const SourceConfig& config,
                                            CatalogueConnections connections = CatalogueConnections::PerSearch);
