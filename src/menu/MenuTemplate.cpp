#include "menu/MenuTemplate.h"

namespace {

class WordReader {
public:
    WordReader(const unsigned char* data, std::size_t size) : data(data), size(size) {}

    bool Skip(std::size_t bytes)
    {
        if (bytes > size - pos)
            return false;
        pos += bytes;
        return true;
    }
    bool Read(std::uint16_t& word)
    {
        if (size - pos < 2)
            return false;
        word = static_cast<std::uint16_t>(data[pos] | data[pos + 1] << 8);
        pos += 2;
        return true;
    }
    bool ReadText(std::u16string& text)
    {
        std::uint16_t ch = 0;
        while (Read(ch)) {
            if (ch == 0)
                return true;
            text.push_back(static_cast<char16_t>(ch));
        }
        return false;
    }

private:
    const unsigned char* data;
    std::size_t size;
    std::size_t pos = 0;
};

bool ReadItem(WordReader& reader, MenuTemplateItem& item)
{
    if (!reader.Read(item.flags))
        return false;
    if (!(item.flags & kTemplatePopup) && !reader.Read(item.commandId))
        return false;
    return reader.ReadText(item.text);
}

// ends holds one mark per open level: set once its last item is read.
void CloseLevels(MenuTemplateItem& item, std::vector<bool>& ends)
{
    if (item.flags & kTemplateEnd)
        ends.back() = true;
    if (item.flags & kTemplatePopup) {
        ends.push_back(false);
        return;
    }
    while (!ends.empty() && ends.back()) {
        ends.pop_back();
        ++item.closesLevels;
    }
}

bool ParseItems(WordReader& reader, std::vector<MenuTemplateItem>& items)
{
    std::uint16_t version = 0;
    std::uint16_t offset = 0;
    if (!reader.Read(version) || version != 0 || !reader.Read(offset) || !reader.Skip(offset))
        return false;
    std::vector<bool> ends{false};
    while (!ends.empty()) {
        MenuTemplateItem item;
        if (!ReadItem(reader, item))
            return false;
        CloseLevels(item, ends);
        items.push_back(std::move(item));
    }
    return true;
}

}  // namespace

bool ParseMenuTemplate(const unsigned char* data, std::size_t size, std::vector<MenuTemplateItem>& items)
{
    items.clear();
    WordReader reader(data, data ? size : 0);
    if (ParseItems(reader, items))
        return true;
    items.clear();
    return false;
}
