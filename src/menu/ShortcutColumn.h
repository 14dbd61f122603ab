#pragma once
#include <functional>
#include <string>
#include <vector>

// Width of a code page 936 text in pixels; 0 when it cannot be measured.
using TextWidth = std::function<int(const std::string&)>;

// Pads the part before the first tab of each text that has one with spaces
// until it is as wide as the widest label of the level plus a space, so
// that the shortcuts after the tabs line up. Padding stops early when a
// space adds no width.
void AlignShortcutColumn(std::vector<std::string>& texts, const TextWidth& width);
