#include "shelf/ShelfBook.h"

MarcRecord ComposeShelfBook(const std::string& isbn, const std::vector<SourceOutcome>& found,
                            const std::vector<ResultFields>& values, std::size_t selected, MarcFlavour flavour,
                            const MarcTimestamp& made)
{
    const SourceOutcome& chosen = found.at(selected);
    std::vector<ResultFields> rows;
    if (!chosen.record)
        rows.push_back(values.at(selected));
    for (std::size_t i = 0; i < found.size(); ++i)
        if (i != selected)
            rows.push_back(values.at(i));
    return ComposeBookRecord(isbn, rows, chosen.record.get(), chosen.record ? chosen.recordFlavour : flavour, flavour,
                             made);
}
