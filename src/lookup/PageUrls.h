#pragma once
#include <string>

#include "lookup/SourceConfig.h"

// Percent-encodes every byte except ASCII letters, digits and "-", so that
// whatever was typed into the ISBN box stays inside its URL path or query.
std::string EncodeUrlComponent(const std::string& text);

std::string CommunityPageUrl(const SourceConfig& config, const std::string& isbn);
std::string LibrarySearchUrl(const SourceConfig& config, const std::string& isbn);
// The identifier comes from the catalogue's own link and is used unchanged.
std::string LibraryDetailUrl(const SourceConfig& config, const std::string& id);

// A searchRetrieve of SRU 1.1 at base for isbn (UTF-8) in index, or for
// either of isbn and its other form when it has one, one MARCXML record at
// the most.
std::string SruSearchUrl(const std::string& base, const std::string& index, const std::string& isbn);

// isbn as a CQL search term: as typed when it is letters, digits and "-",
// else quoted with its quotes, backslashes and masking characters escaped,
// so that no text typed can change the query.
std::string CqlTerm(const std::string& isbn);
