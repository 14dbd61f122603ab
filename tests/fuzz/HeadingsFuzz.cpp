// The heading specification grammar of the result list.
#include <cstddef>
#include <cstdint>
#include <string>

#include "listctrl/HeadingSpec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string spec(reinterpret_cast<const char*>(data), size);
    size_t titleBytes = 0;
    for (const HeadingEntry& entry : ParseHeadingSpec(spec))
        titleBytes += entry.title.size();
    // Titles are parts of the specification.
    if (titleBytes > size)
        __builtin_trap();
    return 0;
}
