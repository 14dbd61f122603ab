#pragma once
#include <string>

#include "lookup/SourceConfig.h"

// The sections "Catalogue NAME" of an INI file, in file order, into
// config.catalogues and config.problems.
void ReadCatalogueSections(const std::wstring& path, SourceConfig& config);

// Everything an INI file says of the sources: section "Sources" (entries
// "community", "library", "covers", "sru", "sruIndex", "sruFormat") over
// what config holds, then the catalogue sections.
void ReadIniSources(const std::wstring& path, SourceConfig& config);
