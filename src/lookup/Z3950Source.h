#pragma once
#include <string>

#include "lookup/CatalogueConfig.h"
#include "lookup/SourceOutcome.h"

class Z3950ConnectionPool;

// A library catalogue that speaks Z39.50: its first record for isbn (or its
// other form), decoded from the catalogue's character set, the columns in
// code page 936 and the record kept in UTF-8. Over a connection of kept
// when given, signed on already and opened once more when the server has
// closed it; else over a connection of its own. A record that is not ISO
// 2709, has no title or is larger than 16 MB fails as "bad answer".
SourceOutcome AskZ3950(const CatalogueConfig& catalogue, const std::string& isbn, Z3950ConnectionPool* kept);
