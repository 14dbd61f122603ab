#pragma once
#include <string>

#include "lookup/BookRecord.h"
#include "lookup/PageFetch.h"
#include "lookup/PageResult.h"
#include "lookup/SourceConfig.h"
#include "lookup/SourceOutcome.h"

// Fills slots 0..8 of record from the detail page of the catalogue's first
// hit for isbn.
void LookupLibrary(BookRecord& record, const std::string& isbn, const SourceConfig& config, const PageFetch& fetch);

// The library source as a value: what the catalogue's search and first hit for isbn gave.
SourceOutcome AskLibrary(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch);
