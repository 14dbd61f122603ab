#include "menu/GlyphColumn.h"

GlyphChoice ChooseClassicGlyph(const GlyphRecordIds& ids)
{
    GlyphChoice choice;
    if (ids.glyphId < 0 && ids.sharedGlyphIndex >= 0) {
        choice.source = GlyphSource::Shared;
        choice.image = ids.sharedGlyphIndex;
        choice.hasGlyph = true;
        return choice;
    }
    choice.image = ids.glyphIndex;
    choice.hasGlyph = ids.glyphId >= 0;
    return choice;
}

GlyphChoice ChooseFlatGlyph(const GlyphRecordIds& ids, bool glyphVariants, int ownImageCount, bool sharedHasVariants)
{
    GlyphChoice choice;
    if (ids.glyphId < 0 && ids.glyphIndex < 0 && ids.sharedGlyphIndex >= 0) {
        choice.source = GlyphSource::Shared;
        choice.image = ids.sharedGlyphIndex;
        choice.hasGlyph = true;
        if (glyphVariants && sharedHasVariants) {
            choice.faded = choice.image + 1;
            choice.shadow = choice.image + 2;
        }
        return choice;
    }
    choice.image = ids.glyphIndex;
    choice.hasGlyph = ids.glyphId >= 0;
    if (ids.glyphIndex == 0 && glyphVariants && ownImageCount > 2) {
        choice.faded = 1;
        choice.shadow = 2;
    }
    return choice;
}

GlyphKind ClassifyGlyphColumn(bool hasGlyph, const ItemStates& states, int checkSelectedId, int checkNormalId)
{
    if (!hasGlyph) {
        const bool checkImage = (states.selected && checkSelectedId > 0) || checkNormalId > 0;
        return states.checked && checkImage ? GlyphKind::CheckImage : GlyphKind::None;
    }
    if (states.grayed)
        return GlyphKind::Disabled;
    return states.selected ? GlyphKind::Selected : GlyphKind::Plain;
}

bool GlyphColumnInUse(GlyphKind kind, const ItemStates& states)
{
    return kind != GlyphKind::None || states.checked;
}
