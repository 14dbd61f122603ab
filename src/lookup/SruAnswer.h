#pragma once
#include <string>

#include "marc/MarcRecord.h"

// What an SRU searchRetrieve answer said.
struct SruAnswer {
    enum class Kind {
        Record,      // the first record, a MARCXML one, is in record
        NoRecords,   // numberOfRecords 0
        Diagnostic,  // the server could not search; its message is in diagnostic
        Bad,         // no SRU answer, malformed, with a document type, or no MARC record
    };
    Kind kind = Kind::Bad;
    std::string diagnostic;  // UTF-8
    MarcRecord record;       // UTF-8
};

// Reads an answer of SRU 1.1, 1.2 or 2.0 whose records are MARCXML (the
// MARC 21 slim schema, which UNIMARC records use too), packed as XML or as
// escaped XML text. Only the first record counts, however many come.
SruAnswer ReadSruAnswer(const std::string& bytes);
