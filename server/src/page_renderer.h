// Builds the HTML of the three stand-in services from catalogue entries.
// The scraper looks for fixed byte strings, so each marker is written exactly
// once, before any look-alike text, and (unless a book asks for the "deep"
// layout) within the first 850 lines.
#pragma once

#include "catalogue.h"

#include <string>

class PageRenderer {
public:
    PageRenderer(const Catalogue &catalogue, std::string coverBase);

    std::string communityPage(const Book &book) const;
    // book may be null: a search without hits.
    std::string searchPage(const std::string &isbn, const Book *book) const;
    std::string detailPage(const Book &book, const LibraryRecord &hit) const;
    static std::string notFoundPage(const std::string &what);
    // Head of a page whose body then stalls; the tail ends it.
    static std::string stallHead();
    static std::string stallTail();

    // For echoing request text: HTML-safe, printable ASCII only.
    static std::string escape(const std::string &text);

    // The scraper drops exactly this many bytes before the intro's "</div>".
    static constexpr std::size_t kIntroTailLength = 69;

private:
    const Catalogue &catalogue_;
    std::string coverBase_;
};
