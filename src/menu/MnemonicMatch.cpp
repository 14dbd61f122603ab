#include "menu/MnemonicMatch.h"

namespace {

char16_t Lower(char16_t ch)
{
    return ch >= u'A' && ch <= u'Z' ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
}

std::u16string Lower(std::u16string text)
{
    for (char16_t& ch : text)
        ch = Lower(ch);
    return text;
}

}  // namespace

int FindMnemonic(char16_t character, const std::vector<std::u16string>& texts)
{
    const std::u16string key{u'&', Lower(character)};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (Lower(texts[i]).find(key) != std::u16string::npos)
            return static_cast<int>(i);
    }
    return -1;
}
