#pragma once
#include "marc/BookColumns.h"
#include "marc/MarcRecord.h"

// The eleven slot values of a record, UTF-8, each clean and without the ISBD punctuation that ends its
// subfields. Where a slot takes two subfields or several fields they are joined as ISBD does: title and
// other title information with " : ", names with " ; ".
ResultFields MarcColumnValues(const MarcRecord& record, MarcFlavour flavour);
