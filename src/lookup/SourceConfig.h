#pragma once
#include <string>
#include <vector>

#include "lookup/CatalogueConfig.h"
#include "marc/MarcRecord.h"

// Where the sources are. Base URLs of the three web services and the SRU catalogue. The defaults point at the local
// catalogue service (server/) on its default port.
struct SourceConfig {
    std::string communityBase = "http://127.0.0.1:8936";
    std::string libraryBase = "http://127.0.0.1:8936";
    std::string coverBase = "http://127.0.0.1:8936/lpic/";
    // A library catalogue that speaks SRU: its base address with the
    // database path. None when empty.
    std::string sruBase;
    std::string sruIndex = "bath.isbn";
    MarcFlavour sruFormat = MarcFlavour::Marc21;
    // A library catalogue that speaks Z39.50, named z3950: HOST:PORT/DATABASE.
    // None when empty.
    std::string z3950Address;
    MarcFlavour z3950Format = MarcFlavour::Marc21;
    MarcCharset z3950Charset = MarcCharset::ByRecord;
    // The catalogue sections of the settings, in their order.
    std::vector<CatalogueConfig> catalogues;
    // Each bad setting, named: its source is left out.
    std::vector<std::string> problems;

    // href=" and the cover base: what precedes a cover file name on a community page.
    std::string CoverMarker() const { return "href=\"" + coverBase; }
};
