#pragma once
#include "lookup/SourceConfig.h"

class CWinApp;

// The sources from the profile's section "Sources": base URLs (entries
// "community", "library", "covers"), the SRU catalogue ("sru", "sruIndex",
// "sruFormat"); the built-in values where an entry is missing. Then the
// catalogue sections "Catalogue NAME", in the profile's order. A bad SRU
// setting is named in problems and leaves the SRU source out.
SourceConfig LoadSourceConfig(const CWinApp& app);
