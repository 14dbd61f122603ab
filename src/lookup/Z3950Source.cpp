#include "lookup/Z3950Source.h"

#include "framework/CodePage.h"
#include "lookup/CatalogueRecord.h"
#include "lookup/PageFetcher.h"
#include "lookup/PlatformCodePages.h"
#include "lookup/Z3950ConnectionPool.h"
#include "marc/ReceivedRecord.h"

namespace {

// The flavour of the record's syntax; the configured one for a syntax
// that does not say.
bool RecordFlavour(const std::string& syntax, MarcFlavour configured, MarcFlavour& flavour)
{
    if (syntax == "Unimarc")
        flavour = MarcFlavour::Unimarc;
    else if (syntax == "USmarc")
        flavour = MarcFlavour::Marc21;
    else if (syntax.size() >= 4 && syntax.compare(syntax.size() - 4, 4, "marc") == 0)
        flavour = configured;
    else
        return false;
    return true;
}

SourceOutcome AnswerOutcome(const Z3950Answer& answer, const CatalogueConfig& catalogue)
{
    switch (answer.kind) {
    case Z3950Answer::Kind::NoRecords: {
        SourceOutcome outcome;
        outcome.source = SourceKind::Catalogue;
        return outcome;
    }
    case Z3950Answer::Kind::Record: {
        MarcFlavour flavour = catalogue.format;
        MarcRecord record;
        if (answer.record.size() > kMaxZ3950Answer || !RecordFlavour(answer.syntax, catalogue.format, flavour) ||
            !DecodeReceivedRecord(answer.record, flavour, catalogue.charset, PlatformCodePages(), record))
            return FailedOutcome(SourceKind::Catalogue, kBadAnswer);
        return CatalogueRecordOutcome(record, flavour);
    }
    default:
        return FailedOutcome(SourceKind::Catalogue,
                             answer.diagnostic ? CatalogueReason(answer.failure) : answer.failure);
    }
}

}

SourceOutcome AskZ3950(const CatalogueConfig& catalogue, const std::string& isbn, Z3950ConnectionPool* kept)
{
    const std::string query = IsbnQuery(catalogue.SearchIndex(), ConvertCodePage(isbn, kPageCodePage, CP_UTF8));
    std::unique_ptr<Z3950Connection> connection = kept ? kept->Take() : std::make_unique<Z3950Connection>(catalogue);
    const bool signedOn = connection->Searches() > 0;
    Z3950Answer answer = connection->Search(query);
    // A kept connection the server has closed since: once more, afresh.
    if (answer.lost && signedOn) {
        connection = std::make_unique<Z3950Connection>(catalogue);
        answer = connection->Search(query);
    }
    if (kept && answer.kind != Z3950Answer::Kind::Failed)
        kept->Give(std::move(connection));
    return AnswerOutcome(answer, catalogue);
}
