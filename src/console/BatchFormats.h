#pragma once
#include <string>

#include "console/LookupOutcome.h"
#include "lookup/CsvRows.h"  // CsvField
#include "marc/BookMarcRecord.h"

enum class OutputFormat { Tsv, Csv, Jsonl, Marc21, Unimarc, MarcXml };

// What goes before the first record: for CSV the byte-order mark and the
// header row ("来源" and the list's column titles), for MARCXML the document's
// start, else nothing. UTF-8.
std::string FormatHeader(OutputFormat format, bool withIntro);

// What goes after the last record: the end of a MARCXML document.
std::string FormatFooter(OutputFormat format);

// Standard output for one ISBN: its rows as TSV lines or CSV records, one
// JSON object per source, or, in the MARC formats, one record of the book,
// made at made, when some source found it. An invalid ISBN is a JSON object
// with status "invalid", or a CSV row "invalid". All but TSV expect UTF-8 texts.
std::string FormatOutcome(const LookupOutcome& outcome, OutputFormat format, bool withIntro, const MarcTimestamp& made);

// Standard error for one ISBN: "invalid: TEXT", "not found: ISBN", or one
// "failed: ISBN SOURCE REASON" per source that could not answer.
std::string FormatReport(const LookupOutcome& outcome);

// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& value);
