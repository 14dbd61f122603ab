#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "menu/MenuTemplate.h"

// Builds a menu template's bytes, little-endian.
struct TemplateBytes {
    std::vector<unsigned char> bytes;

    void Word(std::uint16_t w)
    {
        bytes.push_back(static_cast<unsigned char>(w & 0xFF));
        bytes.push_back(static_cast<unsigned char>(w >> 8));
    }
    void Header(std::uint16_t version, std::uint16_t offset)
    {
        Word(version);
        Word(offset);
    }
    void Text(const std::u16string& text)
    {
        for (char16_t c : text)
            Word(c);
        Word(0);
    }
    void Popup(std::uint16_t flags, const std::u16string& text)
    {
        Word(flags | kTemplatePopup);
        Text(text);
    }
    void Item(std::uint16_t flags, std::uint16_t id, const std::u16string& text)
    {
        Word(flags);
        Word(id);
        Text(text);
    }
};
