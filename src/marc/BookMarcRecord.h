#pragma once
#include <string>
#include <vector>

#include "marc/BookColumns.h"
#include "marc/MarcRecord.h"

// The time a record is made: 005, and the date entered of 008 and 100.
struct MarcTimestamp {
    int year, month, day, hour, minute, second;
};

// The year of a publication date: the first run of four digits, or of six or eight (200805, 20080501)
// that starts with one; "" when there is none. "2008年5月1日" gives 2008.
std::string PublicationYear(const std::string& date);

// One record per book for a library system to import, fitted for all three written forms (FitIso2709).
// rows: the scraping sources' column values (UTF-8) in order of preference. received: the catalogue's own
// record or null. A received record of the wanted flavour is the base, kept as received; the rows only add
// the price and the cover it lacks. Otherwise the record is built from the columns, per slot the first
// non-empty value over the received record's columns and then the rows. The ISBN goes to 001 as given and,
// by its check digit, to the valid or the invalid ISBN subfield.
MarcRecord ComposeBookRecord(const std::string& isbn, const std::vector<ResultFields>& rows, const MarcRecord* received,
                             MarcFlavour receivedFlavour, MarcFlavour wanted, const MarcTimestamp& made);
