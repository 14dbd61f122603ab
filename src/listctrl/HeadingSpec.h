#pragma once
#include <string>
#include <vector>

struct HeadingEntry {
    std::string title;
    int width;  // pixels
};

// The columns of a heading text: entries "title,width" separated
// by ";", a trailing ";" allowed. Parsing ends at an entry without ",".
// The width is read as atoi reads it (space, sign, leading digits; 0 when
// there are none), held within the range of int.
std::vector<HeadingEntry> ParseHeadingSpec(const std::string& headings);
