#pragma once
#include <string>

#include "lookup/CatalogueConfig.h"
#include "lookup/PageResult.h"
#include "lookup/SourceOutcome.h"

// A library catalogue that speaks SRU, as a value: its first MARC record
// for isbn (or its other form), read as the catalogue's format says, the
// columns in code page 936 and the record as received. A record without a
// title, or an answer that is none, fails as "bad answer"; a diagnostic
// fails with its message.
SourceOutcome AskSru(const CatalogueConfig& catalogue, const std::string& isbn, const PageResultFetch& fetch);
