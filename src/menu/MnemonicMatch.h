#pragma once
#include <string>
#include <vector>

// Position of the first text that holds "&" followed by the character,
// letters compared without regard to case (ASCII letters only, as the
// code page's lower-casing does); -1 when no text does.
int FindMnemonic(char16_t character, const std::vector<std::u16string>& texts);
