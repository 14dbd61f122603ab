#include "lookup/SourceOutcome.h"

#include "lookup/Extraction.h"
#include "lookup/ResultColumns.h"

namespace {

const char* DefaultName(SourceKind source)
{
    return source == SourceKind::Community ? "community" : source == SourceKind::Library ? "library" : "";
}

}

SourceOutcome OutcomeOf(SourceKind source, const BookRecord& record, const std::string& failure)
{
    SourceOutcome outcome;
    outcome.source = source;
    outcome.name = DefaultName(source);
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
    outcome.name = DefaultName(source);
    outcome.status = SourceStatus::Failed;
    outcome.failure = failure;
    return outcome;
}

std::string SourceCaption(const SourceOutcome& outcome)
{
    switch (outcome.source) {
    case SourceKind::Library:
        return "\xCD\xBC\xCA\xE9\xB9\xDD";  // 图书馆
    case SourceKind::Community:
        return "\xC9\xE7\xC7\xF8";  // 社区
    default:
        return outcome.name;
    }
}

std::vector<std::string> RowTexts(const std::string& isbn, const SourceOutcome& outcome)
{
    std::vector<std::string> texts;
    texts.reserve(kResultColumnCount + 1);
    texts.push_back(isbn);
    texts.insert(texts.end(), outcome.values.begin(), outcome.values.begin() + kResultColumnCount - 1);
    texts.push_back(SourceCaption(outcome));
    return texts;
}

std::vector<std::string> RowUtf8Texts(const std::string& isbn, const SourceOutcome& outcome)
{
    std::vector<std::string> texts;
    texts.reserve(kResultColumnCount);
    texts.push_back(isbn);
    texts.insert(texts.end(), outcome.text.begin(), outcome.text.begin() + kResultColumnCount - 1);
    return texts;
}
