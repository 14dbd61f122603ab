#pragma once
#include <string>
#include <vector>

#include "lookup/SourceOutcome.h"
#include "marc/BookMarcRecord.h"

// The record that goes on the shelf for the book of one search. found: the search's outcomes that found it;
// values: their values in UTF-8, in the same order. The selected outcome comes first: a catalogue's own
// record as it came, or a web source's columns; the others fill the gaps, the introduction and the cover
// address among them. isbn: the searched ISBN, UTF-8.
MarcRecord ComposeShelfBook(const std::string& isbn, const std::vector<SourceOutcome>& found,
                            const std::vector<ResultFields>& values, std::size_t selected, MarcFlavour flavour,
                            const MarcTimestamp& made);
