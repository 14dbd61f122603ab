#pragma once
#include "marc/BookColumns.h"
#include "marc/MarcRecord.h"

// The eleven slot values of a record, UTF-8, each clean and without the ISBD punctuation that ends its
// subfields. Where a slot takes two subfields or several fields they are joined as ISBD does: title and
// other title information with " : ", names with " ; ".
// The cover column is the first 856 that is a cover (see IsCoverLink), not another link.
ResultFields MarcColumnValues(const MarcRecord& record, MarcFlavour flavour);

// An 856 is a cover when $3 or $z names an image or a cover, or $u ends in an image type.
bool IsCoverLink(const MarcField& field);
