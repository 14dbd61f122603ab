#pragma once
#include <string>

#include "lookup/BookRecord.h"
#include "lookup/PageFetch.h"
#include "lookup/PageResult.h"
#include "lookup/SourceConfig.h"
#include "lookup/SourceOutcome.h"

// Fills title, author, publisher, pages, date, price, cover URL and
// introduction of record from the community page of isbn.
void LookupCommunity(BookRecord& record, const std::string& isbn, const SourceConfig& config, const PageFetch& fetch);

// The community source as a value: what the community page of isbn gave.
SourceOutcome AskCommunity(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch);
