#include "lookup/SruSource.h"

#include "framework/CodePage.h"
#include "lookup/CatalogueRecord.h"
#include "lookup/PageFetcher.h"
#include "lookup/PageUrls.h"
#include "lookup/SruAnswer.h"

SourceOutcome AskSru(const CatalogueConfig& catalogue, const std::string& isbn, const PageResultFetch& fetch)
{
    const std::string url =
        SruSearchUrl(catalogue.address, catalogue.SearchIndex(), ConvertCodePage(isbn, kPageCodePage, CP_UTF8));
    PageResult page = fetch(url, PageBody::AsSent);
    std::string failure = FailureReason(page);
    // Not there is no answer from a catalogue: its address is wrong.
    if (page.status == PageStatus::NotThere)
        failure = "HTTP 404";
    if (!failure.empty())
        return FailedOutcome(SourceKind::Catalogue, failure);
    SruAnswer answer = ReadSruAnswer(page.text);
    switch (answer.kind) {
    case SruAnswer::Kind::Record:
        return CatalogueRecordOutcome(answer.record, catalogue.format);
    case SruAnswer::Kind::NoRecords: {
        SourceOutcome outcome;
        outcome.source = SourceKind::Catalogue;
        return outcome;
    }
    case SruAnswer::Kind::Diagnostic:
        return FailedOutcome(SourceKind::Catalogue, CatalogueReason(answer.diagnostic));
    default:
        return FailedOutcome(SourceKind::Catalogue, kBadAnswer);
    }
}
