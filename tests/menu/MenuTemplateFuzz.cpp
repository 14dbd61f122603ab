// libFuzzer harness of the menu template parser: every input stays within
// its bytes, and an accepted template ends each level it opens exactly once.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "menu/MenuTemplate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<MenuTemplateItem> items;
    if (!ParseMenuTemplate(data, size, items))
        return items.empty() ? 0 : (std::abort(), 0);
    int opened = 1;
    int closed = 0;
    for (const MenuTemplateItem& item : items) {
        opened += (item.flags & kTemplatePopup) ? 1 : 0;
        closed += item.closesLevels;
    }
    if (opened != closed || items.back().closesLevels == 0)
        std::abort();
    return 0;
}
