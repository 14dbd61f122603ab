#include "MenuTestSupport.h"

#include <algorithm>

#include "menu/GlyphMenu.h"

ChosenPlatform::ChosenPlatform(WindowsVersionFacts version, DWORD themeType, std::string themeBytes)
    : version(version), themeType(themeType), themeBytes(std::move(themeBytes))
{
    SystemFacts::Install(this);
    GlyphMenu::RedetectPlatformLook();
}

ChosenPlatform::~ChosenPlatform()
{
    SystemFacts::Install(nullptr);
    GlyphMenu::RedetectPlatformLook();
}

bool ChosenPlatform::ReadUserDefaultValue(const char*, DWORD maxBytes, RegistryValue& value) const
{
    ++themeReads;
    value.type = themeType;
    value.bytes.assign(themeBytes.begin(), themeBytes.begin() + std::min<std::size_t>(maxBytes, themeBytes.size()));
    return true;
}
