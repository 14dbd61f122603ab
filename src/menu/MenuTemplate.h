#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One item of a menu template (RT_MENU, version 0), in template order.
struct MenuTemplateItem {
    std::uint16_t flags = 0;      // MF_ flags as stored, MF_END included
    std::uint16_t commandId = 0;  // 0 for a popup item
    std::u16string text;
    int closesLevels = 0;  // menu levels that end with this item
};

constexpr std::uint16_t kTemplatePopup = 0x10;  // MF_POPUP
constexpr std::uint16_t kTemplateEnd = 0x80;    // MF_END

// Reads a whole template; every read stays within size. False, with items
// left empty, for a version other than 0, a truncated template or one whose
// levels do not all end.
bool ParseMenuTemplate(const unsigned char* data, std::size_t size, std::vector<MenuTemplateItem>& items);
