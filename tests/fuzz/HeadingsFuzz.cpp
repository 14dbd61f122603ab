// The heading text grammar of the result list.
#include <cstddef>
#include <cstdint>
#include <string>

#include "listctrl/HeadingSpec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string headings(reinterpret_cast<const char*>(data), size);
    size_t titleBytes = 0;
    for (const HeadingEntry& entry : ParseHeadingSpec(headings))
        titleBytes += entry.title.size();
    // Titles are parts of the heading text.
    if (titleBytes > size)
        __builtin_trap();
    return 0;
}
