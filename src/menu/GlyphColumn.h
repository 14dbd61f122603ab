#pragma once

// What an item shows in its glyph column, and which image it draws there.

enum class GlyphSource { Own, Shared };

struct GlyphChoice {
    GlyphSource source = GlyphSource::Own;
    int image = -1;
    bool hasGlyph = false;
    int faded = -1;  // flat look, when the glyph has variants
    int shadow = -1;
};

struct GlyphRecordIds {
    int glyphId = -1;
    int glyphIndex = -1;
    int sharedGlyphIndex = -1;
};

// Classic look: a record with no glyph of its own falls back to its shared one.
GlyphChoice ChooseClassicGlyph(const GlyphRecordIds& ids);

// Flat look: the shared glyph only when the record has neither a glyph id nor
// an index of its own; variants follow the image at index 0 of the item's
// own list when it has more than two images, or HasGlyphVariants of the
// shared one.
GlyphChoice ChooseFlatGlyph(const GlyphRecordIds& ids, bool glyphVariants, int ownImageCount, bool sharedHasVariants);

enum class GlyphKind { CheckImage, None, Plain, Disabled, Selected };

struct ItemStates {
    bool selected = false;
    bool grayed = false;
    bool checked = false;
};

GlyphKind ClassifyGlyphColumn(bool hasGlyph, const ItemStates& states, int checkSelectedId, int checkNormalId);

// The highlight leaves the glyph column out when it is in use.
bool GlyphColumnInUse(GlyphKind kind, const ItemStates& states);
