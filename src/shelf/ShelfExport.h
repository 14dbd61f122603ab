#pragma once
#include <string>

#include "marc/BookMarcRecord.h"

// What a shelf can be saved as: the console's formats for records and rows.
enum class ShelfExportFormat { Marc21, Unimarc, MarcXml, Csv };

// The shelf's whole records (of flavour shelfFlavour) as a file of the format. Records of the other flavour are
// made again from their columns, at made. UTF-8; a record that cannot be read is left out.
std::string ExportShelf(const std::string& records, MarcFlavour shelfFlavour, ShelfExportFormat format,
                        const MarcTimestamp& made);
