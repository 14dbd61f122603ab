#include "menu/ItemText.h"

ItemText SplitItemText(const std::wstring& text)
{
    ItemText split;
    const std::wstring::size_type first = text.find(L'\t');
    if (first == std::wstring::npos) {
        split.label = text;
        return split;
    }
    split.label = text.substr(0, first);
    split.accelerator = text.substr(text.rfind(L'\t') + 1);
    split.hasAccelerator = true;
    return split;
}
