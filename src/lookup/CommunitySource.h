#pragma once
#include <string>

#include "lookup/BookRecord.h"
#include "lookup/PageFetch.h"
#include "lookup/SourceConfig.h"

// Fills title, author, publisher, pages, date, price, cover URL and
// introduction of record from the community page of isbn.
void LookupCommunity(BookRecord& record, const std::string& isbn, const SourceConfig& config,
                     const PageFetch& fetch);
