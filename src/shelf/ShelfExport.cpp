#include "shelf/ShelfExport.h"

#include "lookup/CsvRows.h"
#include "marc/Iso2709.h"
#include "marc/MarcColumns.h"
#include "marc/MarcXml.h"
#include "shelf/ShelfScan.h"

namespace {

const char kShelfSource[] = "shelf";

std::string ControlNumber(const MarcRecord& record)
{
    auto fields = record.FieldsTagged("001");
    return fields.empty() ? std::string() : fields.front()->data;
}

std::string Converted(const MarcRecord& record, MarcFlavour from, MarcFlavour to, const MarcTimestamp& made)
{
    return WriteIso2709(ComposeBookRecord(ControlNumber(record), {}, &record, from, to, made));
}

std::string OneRecord(const std::string& bytes, const MarcRecord& record, MarcFlavour flavour, ShelfExportFormat format,
                      const MarcTimestamp& made)
{
    switch (format) {
    case ShelfExportFormat::Marc21:
        return flavour == MarcFlavour::Marc21 ? bytes : Converted(record, flavour, MarcFlavour::Marc21, made);
    case ShelfExportFormat::Unimarc:
        return flavour == MarcFlavour::Unimarc ? bytes : Converted(record, flavour, MarcFlavour::Unimarc, made);
    case ShelfExportFormat::MarcXml:
        return MarcXmlRecord(record);
    case ShelfExportFormat::Csv:
        break;
    }
    return CsvRow(kShelfSource, ControlNumber(record), MarcColumnValues(record, flavour), true);
}

}

std::string ExportShelf(const std::string& records, MarcFlavour shelfFlavour, ShelfExportFormat format,
                        const MarcTimestamp& made)
{
    std::string out = format == ShelfExportFormat::MarcXml ? MarcXmlHeader()
                      : format == ShelfExportFormat::Csv   ? CsvHeader(true)
                                                           : std::string();
    for (std::size_t at = 0; at < records.size();) {
        const std::size_t length = ShelfRecordLength(records, at);
        if (!length)
            break;
        const std::string bytes = records.substr(at, length);
        MarcRecord record;
        if (ReadIso2709(bytes, record))
            out += OneRecord(bytes, record, shelfFlavour, format, made);
        at += length;
    }
    return format == ShelfExportFormat::MarcXml ? out + MarcXmlFooter() : out;
}
