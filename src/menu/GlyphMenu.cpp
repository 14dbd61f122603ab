#include "menu/GlyphMenu.h"

#include <algorithm>

#include "framework/SystemFacts.h"
#include "menu/PlatformLook.h"

// The class-wide store is made before the application object (a lower
// priority is constructed first) and destroyed after it.
CImageList GlyphMenu::sharedGlyphList __attribute__((init_priority(1000)));
std::vector<UINT_PTR> GlyphMenu::sharedGlyphIds __attribute__((init_priority(1000)));
int GlyphMenu::windowsVersion = GlyphMenu::DetectWindowsVersion();
std::vector<HMENU> GlyphMenu::registeredPopups __attribute__((init_priority(1000)));

namespace {

constexpr char kThemeKey[] = "Software\\Microsoft\\Plus!\\Themes\\Current";
constexpr DWORD kThemeValueBytes = 260;

bool themeChecked = false;
bool classicTheme = false;

}  // namespace

GlyphMenu::GlyphMenu() = default;

GlyphMenu::~GlyphMenu()
{
    GlyphMenu::Destroy();
}

int GlyphMenu::DetectWindowsVersion()
{
    WindowsVersionFacts facts = SystemFacts::Current().Version();
    return MapWindowsVersion(facts.packedVersion, facts.major, facts.minor);
}

void GlyphMenu::RedetectPlatformLook()
{
    windowsVersion = DetectWindowsVersion();
    themeChecked = false;
    classicTheme = false;
}

bool GlyphMenu::IsModernShell()
{
    return windowsVersion >= kWindows95;
}

bool GlyphMenu::ClassicThemeActive()
{
    if (themeChecked)
        return classicTheme;
    themeChecked = true;
    classicTheme = false;
    RegistryValue value;
    if (SystemFacts::Current().ReadUserDefaultValue(kThemeKey, kThemeValueBytes, value) &&
        (value.type == REG_SZ || value.type == REG_EXPAND_SZ))
        classicTheme = IsClassicThemeName(RegistryText(value.bytes.data(), value.bytes.size()));
    return classicTheme;
}

bool GlyphMenu::IsThemedXP()
{
    return windowsVersion == kWindowsXP && !ClassicThemeActive();
}

bool GlyphMenu::IsFlatStyle()
{
    return (IsThemedXP() ? themedDrawMode : plainDrawMode) == 1;
}

bool GlyphMenu::IsGlyphMenu(const CMenu* menu)
{
    return dynamic_cast<const GlyphMenu*>(menu) && IsGlyphMenu(menu->GetSafeHandle());
}

bool GlyphMenu::IsGlyphMenu(HMENU menu)
{
    return menu && std::find(registeredPopups.begin(), registeredPopups.end(), menu) != registeredPopups.end() &&
           dynamic_cast<GlyphMenu*>(CMenu::FromHandlePermanent(menu));
}

BOOL GlyphMenu::LoadMenu(UINT id)
{
    return LoadMenu(MAKEINTRESOURCEW(id & 0xFFFF));
}

BOOL GlyphMenu::Destroy()
{
    Unregister(GetSafeHandle());
    DetachPopups();
    for (HMENU sub : submenus)
        Unregister(sub);
    submenus.clear();
    createdSubmenus.clear();
    items.clear();
    loadedFromTemplate = false;
    // Shared images are another's and stay set, for a load to hand them on.
    if (checkImages && !checkImagesShared) {
        delete checkImages;
        checkImages = nullptr;
    }
    return CMenu::Destroy();
}

void GlyphMenu::Unregister(HMENU menu)
{
    registeredPopups.erase(std::remove(registeredPopups.begin(), registeredPopups.end(), menu), registeredPopups.end());
}

// Takes out the popups that a menu object owns, which that object destroys;
// plain popups go with this menu, as the platform destroys submenus.
void GlyphMenu::DetachPopups()
{
    for (int position = GetMenuItemCount() - 1; position >= 0; --position) {
        if (CMenu::FromHandlePermanent(GetSubMenu(position).GetSafeHandle()))
            RemoveMenu(static_cast<UINT>(position), MF_BYPOSITION);
    }
}
