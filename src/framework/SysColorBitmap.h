#pragma once
#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Resource.h"

// Loads a bitmap resource's bytes with the standard button greys of its
// colour table (black, dark grey, light grey, white) replaced by the
// system's button colours. FALSE for data that does not hold a whole
// bitmap with a colour table.
BOOL AfxLoadSysColorBitmap(const ResourceData& resource, CBitmap& bitmap);
