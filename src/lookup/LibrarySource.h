#pragma once
#include <string>

#include "lookup/BookRecord.h"
#include "lookup/PageFetch.h"
#include "lookup/SourceConfig.h"

// Fills slots 0..8 of record from the detail page of the catalogue's first
// hit for isbn.
void LookupLibrary(BookRecord& record, const std::string& isbn, const SourceConfig& config,
                   const PageFetch& fetch);
