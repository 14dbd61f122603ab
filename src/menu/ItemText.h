#pragma once
#include <string>

// An item text split at its tabs: the label before the first tab, the
// shortcut after the last; text between two tabs is not shown.
struct ItemText {
    std::wstring label;
    std::wstring accelerator;
    bool hasAccelerator = false;
};

ItemText SplitItemText(const std::wstring& text);
