#pragma once
#include <cstddef>
#include <string>

#include "marc/MarcRecord.h"

// ISO 2709 exchange records with two indicators and one-character subfield codes, text in UTF-8.

constexpr std::size_t kIso2709MaxRecord = 99999;  // five digits of record length
constexpr std::size_t kIso2709MaxField = 9999;    // four digits of field length

// Makes any record writable in all three forms, so that they hold the same record: removes what no value
// may hold (see CleanMarcText), fields without a proper tag and subfields without a printable code; then
// cuts the longest values at a character boundary until every field and the record fit the limits. The
// leader becomes 24 printable characters with the structure ISO 2709 needs and the lengths the record has.
void FitIso2709(MarcRecord& record);

// One record; the empty string when the record does not fit (see FitIso2709).
std::string WriteIso2709(const MarcRecord& record);

// One record; false when the bytes are not one well-formed record.
bool ReadIso2709(const std::string& bytes, MarcRecord& out);
