#pragma once
#include <string>

#include "lookup/SourceOutcome.h"
#include "marc/MarcRecord.h"

// A catalogue's record (UTF-8) as the row of a source that found the book:
// the columns composed (NFC), so that a letter and its combining mark show
// as one character, in code page 936; the record kept. Failed as "bad
// answer" when it has no title: no half-filled row.
SourceOutcome CatalogueRecordOutcome(const MarcRecord& record, MarcFlavour flavour);

// A catalogue's message (UTF-8) on one line, in code page 936, as a failure
// reason; "diagnostic" when it says nothing.
std::string CatalogueReason(const std::string& message);

extern const char kBadAnswer[];
