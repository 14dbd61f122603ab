// A fuzzed page in place of every fetch: the extraction primitives, both
// sources' scans and the export of their records.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lookup/CommunitySource.h"
#include "lookup/Extraction.h"
#include "lookup/LibrarySource.h"

namespace {

const char kIntroMarker[] = "<div class=\"intro\">";

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string page(reinterpret_cast<const char*>(data), size);
    const SourceConfig config;
    for (int n = 0; n <= 3; ++n)
        ExtractAfterTags(page, "<span", n);
    ExtractQuoted(page, config.CoverMarker());
    ExtractIntro(page, kIntroMarker);

    const PageFetch fetch = [&page](const std::string&) { return page; };
    ResultFields fields;
    BookRecord community;
    LookupCommunity(community, "9787111111111", config, fetch);
    ExportValues(community, fields);
    BookRecord library;
    LookupLibrary(library, "9787111111111", config, fetch);
    ExportValues(library, fields);
    return 0;
}
