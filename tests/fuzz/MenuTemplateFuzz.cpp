// The menu template parser: every read stays within the input, a rejected
// template leaves no items, and an accepted one ends each level it opens
// exactly once, the last with its last item.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "menu/MenuTemplate.h"

namespace {

bool LevelsBalance(const std::vector<MenuTemplateItem>& items)
{
    int opened = 1;
    int closed = 0;
    for (const MenuTemplateItem& item : items) {
        opened += (item.flags & kTemplatePopup) ? 1 : 0;
        closed += item.closesLevels;
    }
    return opened == closed && items.back().closesLevels > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<MenuTemplateItem> items;
    bool accepted = ParseMenuTemplate(data, size, items);
    if (accepted ? !LevelsBalance(items) : !items.empty())
        std::abort();
    return 0;
}
