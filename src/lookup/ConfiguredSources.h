#pragma once
#include <string>
#include <vector>

#include "lookup/PageResult.h"
#include "lookup/SourceConfig.h"
#include "lookup/SourceOutcome.h"

// One source: ISBN, settings and a page fetch in, what it found out.
using SourceAsk = SourceOutcome (*)(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch);

struct LookupSource {
    SourceKind kind;
    SourceAsk ask;
};

// The sources a search asks, in the order the console lists their rows.
std::vector<LookupSource> ConfiguredSources(const SourceConfig& config);
