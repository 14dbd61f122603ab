#include "menu/ShortcutColumn.h"

#include <algorithm>

namespace {

std::string Label(const std::string& text)
{
    return text.substr(0, text.find('\t'));
}

std::string PadLabel(std::string label, int target, const TextWidth& width)
{
    int current = width(label);
    while (current < target) {
        label += ' ';
        int widened = width(label);
        if (widened <= current)
            break;
        current = widened;
    }
    return label;
}

}  // namespace

void AlignShortcutColumn(std::vector<std::string>& texts, const TextWidth& width)
{
    int widest = 0;
    for (const std::string& text : texts)
        widest = std::max(widest, width(Label(text) + ' '));
    for (std::string& text : texts) {
        std::size_t tab = text.find('\t');
        if (tab != std::string::npos)
            text = PadLabel(text.substr(0, tab), widest, width) + text.substr(tab);
    }
}
