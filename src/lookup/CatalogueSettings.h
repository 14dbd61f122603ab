#pragma once
#include <functional>
#include <string>
#include <vector>

#include "lookup/SourceConfig.h"

// One value of a settings section (code page 936); false when it has none.
using SectionRead = std::function<bool(const std::string& key, std::string& value)>;

// The NAME of a section "Catalogue NAME"; false for any other section.
bool CatalogueSectionName(const std::string& section, std::string* name);

// A catalogue section (protocol, address, format, charset, index, user,
// password, timeout): adds the catalogue to config.catalogues; or, when a
// setting is bad, names each bad one in config.problems and leaves the
// catalogue out.
void ReadCatalogueSection(const std::string& name, const SectionRead& read, SourceConfig& config);

// The catalogues a search asks, in this order: the SRU one of [Sources]
// (named "sru"), the Z39.50 one of the command line ("z3950"), the sections.
std::vector<CatalogueConfig> ConfiguredCatalogues(const SourceConfig& config);
