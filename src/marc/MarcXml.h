#pragma once
#include <string>

#include "marc/MarcRecord.h"

// MARCXML (the MARC 21 slim schema, which carries UNIMARC records too), UTF-8. A document is the header,
// any number of records and the footer. Records are written as given: fit them first (FitIso2709) so that
// the document holds what the ISO 2709 forms hold.
std::string MarcXmlHeader();
std::string MarcXmlRecord(const MarcRecord& record);
std::string MarcXmlFooter();
