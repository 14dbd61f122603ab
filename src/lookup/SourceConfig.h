#pragma once
#include <string>

// Base URLs of the three web services. The defaults point at the local
// catalogue service (server/) on its default port.
struct SourceConfig {
    std::string communityBase = "http://127.0.0.1:8936";
    std::string libraryBase = "http://127.0.0.1:8936";
    std::string coverBase = "http://127.0.0.1:8936/lpic/";

    // href=" and the cover base: what precedes a cover file name on a community page.
    std::string CoverMarker() const { return "href=\"" + coverBase; }
};
