#pragma once
#include <string>
#include <vector>

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
    // Each bad setting, named: its source is left out.
    std::vector<std::string> problems;

    // href=" and the cover base: what precedes a cover file name on a community page.
    std::string CoverMarker() const { return "href=\"" + coverBase; }
};
