#include "lookup/SruSource.h"

#include <memory>

#include "framework/CodePage.h"
#include "lookup/Extraction.h"
#include "lookup/PageFetcher.h"
#include "lookup/PageUrls.h"
#include "lookup/SruAnswer.h"
#include "marc/MarcColumns.h"

namespace {

const char kBadAnswer[] = "bad answer";

std::string Cp936(const std::string& utf8)
{
    return ConvertCodePage(utf8, CP_UTF8, kPageCodePage);
}

// A diagnostic's message, on one line, as a failure reason.
std::string Reason(const std::string& message)
{
    std::string reason = Cp936(message);
    for (char& c : reason)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    reason = TrimWhiteSpace(reason);
    return reason.empty() ? "diagnostic" : reason;
}

SourceOutcome RecordOutcome(const SruAnswer& answer, MarcFlavour flavour)
{
    SourceOutcome outcome;
    outcome.source = SourceKind::Sru;
    const ResultFields columns = MarcColumnValues(answer.record, flavour);
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        outcome.values[slot] = TrimWhiteSpace(Cp936(columns[slot]));
        outcome.text[slot] = TrimWhiteSpace(columns[slot]);
    }
    outcome.priceText = outcome.text[kPrice];
    // No half-filled row: a record without a title is not the book.
    if (outcome.values[kTitle].empty())
        return FailedOutcome(SourceKind::Sru, kBadAnswer);
    outcome.status = SourceStatus::Found;
    outcome.record = std::make_shared<const MarcRecord>(answer.record);
    outcome.recordFlavour = flavour;
    return outcome;
}

}

SourceOutcome AskSru(const std::string& isbn, const SourceConfig& config, const PageResultFetch& fetch)
{
    PageResult page = fetch(SruSearchUrl(config, ConvertCodePage(isbn, kPageCodePage, CP_UTF8)), PageBody::AsSent);
    std::string failure = FailureReason(page);
    // Not there is no answer from a catalogue: its address is wrong.
    if (page.status == PageStatus::NotThere)
        failure = "HTTP 404";
    if (!failure.empty())
        return FailedOutcome(SourceKind::Sru, failure);
    SruAnswer answer = ReadSruAnswer(page.text);
    switch (answer.kind) {
    case SruAnswer::Kind::Record:
        return RecordOutcome(answer, config.sruFormat);
    case SruAnswer::Kind::NoRecords: {
        SourceOutcome outcome;
        outcome.source = SourceKind::Sru;
        return outcome;
    }
    case SruAnswer::Kind::Diagnostic:
        return FailedOutcome(SourceKind::Sru, Reason(answer.diagnostic));
    default:
        return FailedOutcome(SourceKind::Sru, kBadAnswer);
    }
}
