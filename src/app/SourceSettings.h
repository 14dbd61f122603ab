#pragma once
#include "lookup/SourceConfig.h"

class CWinApp;

// The base URLs from the profile's section "Sources" (entries "community",
// "library", "covers"); the built-in ones where an entry is missing.
SourceConfig LoadSourceConfig(const CWinApp& app);
