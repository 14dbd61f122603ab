#pragma once
#include <string>

#include "lookup/BookRecord.h"
#include "lookup/RowSink.h"

class LookupState;

// One worker's publish: under the lookup lock, export the record into the
// shared fields, hand the community introduction on, and append a row when a
// title or an author was found. Returns whether a row was appended.
bool PublishRecord(LookupState& state, SourceKind source, const std::string& isbn, const BookRecord& record,
                   RowSink& sink);
