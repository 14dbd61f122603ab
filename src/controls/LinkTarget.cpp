#include "controls/LinkTarget.h"

#include <cstring>

#include "framework/LeadByte.h"

void LinkTarget::Set(const char* source)
{
    std::memset(text, 0, sizeof(text));
    if (!source)
        return;
    std::size_t kept = 0;
    while (source[kept] != '\0') {
        std::size_t length = IsLeadByte(static_cast<unsigned char>(source[kept])) ? 2 : 1;
        if (length == 2 && source[kept + 1] == '\0')
            break;  // a lead byte without its trail byte is not kept
        if (kept + length > kCapacity - 1)
            break;
        kept += length;
    }
    std::memcpy(text, source, kept);
}
