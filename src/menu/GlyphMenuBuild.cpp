#include <algorithm>

#include "framework/Resource.h"
#include "menu/GlyphMenu.h"
#include "menu/MnemonicMatch.h"
#include "menu/ToolBarTemplate.h"

namespace {

UINT ItemFlags(UINT flags, UINT_PTR id)
{
    if (id == 0)
        return (flags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
    return flags | MF_OWNERDRAW;
}

HMENU FindCommandIn(HMENU level, UINT id, int& position)
{
    const int count = ::GetMenuItemCount(level);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = ::GetSubMenu(level, i)) {
            if (HMENU found = FindCommandIn(sub, id, position))
                return found;
        } else if (::GetMenuItemID(level, i) == id) {
            position = i;
            return level;
        }
    }
    position = -1;
    return nullptr;
}

}  // namespace

BOOL GlyphMenu::AppendItem(const wchar_t* text, UINT flags, UINT_PTR id, int glyphResource)
{
    flags = ItemFlags(flags, id);
    if (flags & MF_POPUP) {
        registeredPopups.push_back(reinterpret_cast<HMENU>(id));
        submenus.push_back(reinterpret_cast<HMENU>(id));
    }
    auto record = std::make_unique<GlyphItemRecord>();
    record->SetText(text);
    record->sharedGlyphIndex = glyphResource < 0 ? FindSharedGlyph(id) : LoadCommandGlyph(id, glyphResource);
    record->commandId = id;
    record->flags = flags;
    GlyphItemRecord* data = record.get();
    items.push_back(std::move(record));
    BOOL appended = AppendMenu(flags, id, reinterpret_cast<ULONG_PTR>(data));
    if (loadedFromTemplate)
        RestoreMenuBarText();
    return appended;
}

// The command's image of the toolbar strip of the same resource id, put
// into the shared store; -1 when the bitmap cannot be had.
int GlyphMenu::LoadCommandGlyph(UINT_PTR id, int glyphResource) const
{
    int image = 0;
    FindToolBarImage(static_cast<UINT>(id), glyphResource, image);
    CImageList strip;
    // No faded and shadow images here: the shared store makes them for the one image it takes.
    if (!CreateGlyphList(strip) || !AddGlyphImages(strip, static_cast<UINT_PTR>(glyphResource)))
        return -1;
    return AddSharedGlyph(strip, image, id);
}

// Reads the toolbar resource itself: its buttons take the strip's images in
// order, separators none.
bool GlyphMenu::FindToolBarImage(UINT id, int toolBarResource, int& imageIndex) const
{
    ResourceData bar = AfxFindResourceData(MAKEINTRESOURCEW(toolBarResource & 0xFFFF), MAKEINTRESOURCEW(241));
    int image = ToolBarImageIndex(bar.data, bar.size, id);
    if (image > 0)
        imageIndex = image;
    return image >= 0;
}

std::unique_ptr<GlyphItemRecord> GlyphMenu::ReplaceItem(int position, UINT flags, UINT_PTR id, const std::string& text)
{
    auto record = std::make_unique<GlyphItemRecord>();
    record->SetText(text.c_str());
    record->flags = flags;
    record->commandId = id;
    if (flags & MF_OWNERDRAW)
        ModifyMenu(position, flags | MF_BYPOSITION, id, reinterpret_cast<ULONG_PTR>(record.get()));
    else
        ModifyMenu(position, flags | MF_BYPOSITION, id, text);
    return record;
}

HMENU GlyphMenu::FindCommand(UINT id, int& position) const
{
    return FindCommandIn(GetSafeHandle(), id, position);
}

bool GlyphMenu::GetItemText(UINT key, std::string& text, UINT flags)
{
    if (flags & MF_BYPOSITION) {
        if (key >= items.size())
            return false;
        text = items[key]->GetText();
        return true;
    }
    int position = -1;
    auto* level = dynamic_cast<GlyphMenu*>(CMenu::FromHandlePermanent(FindCommand(key, position)));
    return level && level->GetItemText(static_cast<UINT>(position), text, MF_BYPOSITION);
}

int GlyphMenu::MenuBarOffset() const
{
    if (!loadedFromTemplate)
        return 0;
    const int count = GetMenuItemCount();
    for (int position = 0; position < count; ++position) {
        std::string text = GetMenuString(position, MF_BYPOSITION);
        if (text.empty())
            continue;
        auto same =
            std::find_if(items.begin(), items.end(), [&text](const auto& record) { return record->GetText() == text; });
        if (same != items.end()) {
            int index = static_cast<int>(same - items.begin());
            return position >= index ? position - index : 0;
        }
    }
    return 0;
}

void GlyphMenu::RestoreMenuBarText()
{
    const int offset = MenuBarOffset();
    const int count = GetMenuItemCount();
    for (std::size_t i = 0; i < items.size() && offset + static_cast<int>(i) < count; ++i) {
        const int position = offset + static_cast<int>(i);
        if (HMENU sub = GetSubMenu(position).GetSafeHandle())
            SetBarPopup(position, *items[i], sub);
    }
}

GlyphItemRecord* GlyphMenu::ClaimRecord(UINT_PTR id)
{
    for (auto& record : items) {
        if (record && record->commandId == id && !record->claimed) {
            record->claimed = true;
            return record.get();
        }
    }
    return nullptr;
}

void GlyphMenu::ResetClaims(bool value)
{
    for (auto& record : items) {
        if (record)
            record->claimed = value;
    }
}

void GlyphMenu::DeleteUnclaimed()
{
    for (auto& record : items) {
        if (record && !record->claimed)
            record.reset();
    }
}

// Moves a claimed record out of items, leaving its slot empty.
std::unique_ptr<GlyphItemRecord> GlyphMenu::TakeClaimed(GlyphItemRecord* record)
{
    auto slot = std::find_if(items.begin(), items.end(), [record](const auto& r) { return r.get() == record; });
    return std::move(*slot);
}

void GlyphMenu::ResyncRecords()
{
    ResetClaims(false);
    std::vector<std::unique_ptr<GlyphItemRecord>> synced;
    for (int position = 0; position < GetMenuItemCount(); ++position)
        synced.push_back(ResyncItem(position));
    DeleteUnclaimed();
    items = std::move(synced);
}

std::unique_ptr<GlyphItemRecord> GlyphMenu::ResyncItem(int position)
{
    const UINT state = GetMenuState(position, MF_BYPOSITION);
    if (HMENU sub = GetSubMenu(position).GetSafeHandle()) {
        const auto id = reinterpret_cast<UINT_PTR>(sub);
        std::string text = GetMenuString(position, MF_BYPOSITION);
        GlyphItemRecord* record = ClaimRecord(id);
        if (!record)
            return ReplaceItem(position, (state & 0xFF & ~MF_POPUP) | MF_BYPOSITION | MF_OWNERDRAW | MF_POPUP, id,
                               text);
        if (!text.empty())
            record->SetText(text.c_str());
        return TakeClaimed(record);
    }
    if (state & MF_SEPARATOR) {
        GlyphItemRecord* record = ClaimRecord(0);
        if (!record)
            return ReplaceItem(position, state | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, std::string());
        ModifyMenu(position, record->flags | MF_BYPOSITION, 0, reinterpret_cast<ULONG_PTR>(record));
        return TakeClaimed(record);
    }
    const UINT id = GetMenuItemID(position);
    const UINT flags = state | MF_BYPOSITION | MF_OWNERDRAW;
    std::string text = GetMenuString(position, MF_BYPOSITION);
    GlyphItemRecord* record = ClaimRecord(id);
    if (!record)
        return ReplaceItem(position, flags, id, text);
    record->flags = flags;
    if (!text.empty())
        record->SetText(text.c_str());
    ModifyMenu(position, flags, id, reinterpret_cast<ULONG_PTR>(record));
    return TakeClaimed(record);
}

LRESULT GlyphMenu::MatchMnemonic(UINT character, UINT flags, CMenu* menu)
{
    auto* glyphMenu = dynamic_cast<GlyphMenu*>(menu);
    if (!glyphMenu || !(flags & MF_POPUP))
        return 0;
    const int count = glyphMenu->GetMenuItemCount();
    if (count != static_cast<int>(glyphMenu->items.size()))
        glyphMenu->ResyncRecords();
    std::vector<std::u16string> texts;
    for (int position = 0; position < count && position < static_cast<int>(glyphMenu->items.size()); ++position) {
        std::wstring text = glyphMenu->items[position]->GetWideText();
        texts.emplace_back(text.begin(), text.end());
    }
    const int match = FindMnemonic(static_cast<char16_t>(character), texts);
    return match < 0 ? 0 : MAKELRESULT(match, MNC_EXECUTE);
}
