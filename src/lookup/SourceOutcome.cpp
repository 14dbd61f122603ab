#include "lookup/SourceOutcome.h"

#include "lookup/Extraction.h"

SourceOutcome OutcomeOf(SourceKind source, const BookRecord& record, const std::string& failure)
{
    SourceOutcome outcome;
    outcome.source = source;
    ExportValues(record, outcome.values);
    ExportTexts(record, outcome.text);
    outcome.priceText = TrimWhiteSpace(record.priceText);
    if (!failure.empty()) {
        outcome.status = SourceStatus::Failed;
        outcome.failure = failure;
    } else if (!outcome.values[kTitle].empty() || !outcome.values[kAuthor].empty()) {
        outcome.status = SourceStatus::Found;
    }
    return outcome;
}

SourceOutcome FailedOutcome(SourceKind source, const std::string& failure)
{
    SourceOutcome outcome;
    outcome.source = source;
    outcome.status = SourceStatus::Failed;
    outcome.failure = failure;
    return outcome;
}

std::vector<std::string> RowTexts(const std::string& isbn, const SourceOutcome& outcome)
{
    std::vector<std::string> texts;
    texts.reserve(1 + kSlotCount);
    texts.push_back(isbn);
    texts.insert(texts.end(), outcome.values.begin(), outcome.values.end());
    return texts;
}

std::vector<std::string> RowUtf8Texts(const std::string& isbn, const SourceOutcome& outcome)
{
    std::vector<std::string> texts;
    texts.reserve(1 + kSlotCount);
    texts.push_back(isbn);
    texts.insert(texts.end(), outcome.text.begin(), outcome.text.end());
    return texts;
}

std::string SourceCaption(const SourceOutcome& outcome)
{
    switch (outcome.source) {
    case SourceKind::Library:
        return "\xCD\xBC\xCA\xE9\xB9\xDD";  // 图书馆
    case SourceKind::Community:
        return "\xC9\xE7\xC7\xF8";  // 社区
    default:
        return "sru";
    }
}
