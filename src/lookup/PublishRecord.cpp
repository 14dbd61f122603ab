#include "lookup/PublishRecord.h"

#include <mutex>
#include <vector>

#include "lookup/Extraction.h"
#include "lookup/LookupState.h"

bool PublishRecord(LookupState& state, SourceKind source, const std::string& isbn, const BookRecord& record,
                   RowSink& sink)
{
    std::lock_guard<std::mutex> hold(state.lookupLock);
    ResultFields& fields = state.resultFields;
    ExportValues(record, fields);
    if (source == SourceKind::Community)
        state.SetShownIntro(fields[kIntro]);
    if (fields[kTitle].empty() && fields[kAuthor].empty())
        return false;
    std::vector<std::string> row;
    row.reserve(1 + kSlotCount);
    row.push_back(isbn);
    row.insert(row.end(), fields.begin(), fields.end());
    sink.AppendRow(source, row);
    return true;
}
