#include "framework/CodePage.h"
#include "framework/Resource.h"
#include "menu/GlyphMenu.h"
#include "menu/MenuFontDC.h"
#include "menu/ShortcutColumn.h"

BOOL GlyphMenu::LoadMenu(const wchar_t* name)
{
    ResourceData resource = AfxFindResourceData(name, RT_MENU);
    std::vector<MenuTemplateItem> parsed;
    if (!resource.data || !ParseMenuTemplate(resource.data, resource.size, parsed))
        return FALSE;
    Destroy();
    if (!CreateMenu() || !BuildFromTemplate(parsed)) {
        Destroy();
        return FALSE;
    }
    MakeMenuBar();
    loadedFromTemplate = true;
    return TRUE;
}

bool GlyphMenu::BuildFromTemplate(const std::vector<MenuTemplateItem>& parsed)
{
    std::vector<GlyphMenu*> levels{this};
    for (const MenuTemplateItem& item : parsed) {
        const std::wstring text(item.text.begin(), item.text.end());
        const UINT flags = item.flags & ~kTemplateEnd;
        GlyphMenu* level = levels.back();
        if (!(item.flags & kTemplatePopup)) {
            level->AppendItem(text.c_str(), flags, item.commandId);
            for (int closed = 0; closed < item.closesLevels; ++closed) {
                levels.back()->AlignShortcutColumn();
                levels.pop_back();
            }
            continue;
        }
        auto sub = std::make_unique<GlyphMenu>();
        sub->checkImages = checkImages;
        sub->checkSelectedId = checkSelectedId;
        sub->checkNormalId = checkNormalId;
        sub->checkImagesShared = true;
        if (!sub->CreatePopupMenu())
            return false;
        levels.push_back(sub.get());
        level->createdSubmenus.push_back(std::move(sub));
        level->AppendItem(text.c_str(), flags, reinterpret_cast<UINT_PTR>(levels.back()->GetSafeHandle()));
    }
    return true;
}

// The top level becomes a menu bar of plain string items.
void GlyphMenu::MakeMenuBar()
{
    const int count = GetMenuItemCount();
    for (int position = 0; position < count && position < static_cast<int>(items.size()); ++position) {
        GlyphItemRecord& record = *items[position];
        if (HMENU sub = GetSubMenu(position).GetSafeHandle()) {
            SetBarPopup(position, record, sub);
        } else {
            record.flags = MF_BYPOSITION;
            ModifyMenu(position, MF_BYPOSITION | MF_STRING, record.commandId, record.GetText());
        }
    }
}

void GlyphMenu::SetBarPopup(int position, GlyphItemRecord& record, HMENU sub)
{
    record.flags = MF_BYPOSITION | MF_POPUP;
    ModifyMenu(position, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), record.GetText());
}

void GlyphMenu::AlignShortcutColumn()
{
    MenuFontDC dc(true);
    std::vector<std::string> texts;
    for (const auto& record : items)
        texts.push_back(record->GetText());
    ::AlignShortcutColumn(texts, [&dc](const std::string& text) { return dc.TextWidth(MultiByteToWide(text)); });
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (texts[i].find('\t') != std::string::npos)
            items[i]->SetText(texts[i].c_str());
    }
}
