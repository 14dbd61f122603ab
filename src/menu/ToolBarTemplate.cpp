#include "menu/ToolBarTemplate.h"

namespace {

unsigned Word(const unsigned char* data, std::size_t index)
{
    return data[2 * index] | data[2 * index + 1] << 8;
}

}  // namespace

int ToolBarImageIndex(const unsigned char* data, std::size_t size, unsigned commandId)
{
    if (!data || size < 8 || Word(data, 0) != 1)
        return -1;
    const std::size_t count = Word(data, 3);
    if (count > (size - 8) / 2)
        return -1;
    int image = 0;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned id = Word(data, 4 + i);
        if (id != 0 && id == commandId)
            return image;
        image += id != 0;
    }
    return -1;
}
