#include "lookup/CatalogueSource.h"

#include "lookup/SruSource.h"
#include "lookup/Z3950ConnectionPool.h"
#include "lookup/Z3950Source.h"

CatalogueSource::CatalogueSource(const CatalogueConfig& c, CatalogueConnections connections) : catalogue(c)
{
    if (catalogue.protocol == CatalogueProtocol::Z3950 && connections == CatalogueConnections::Kept)
        kept = std::make_unique<Z3950ConnectionPool>(catalogue);
}

CatalogueSource::~CatalogueSource() = default;

SourceOutcome CatalogueSource::Ask(const std::string& isbn, const PageResultFetch& fetch) const
{
    SourceOutcome outcome = catalogue.protocol == CatalogueProtocol::Sru ? AskSru(catalogue, isbn, fetch)
                                                                         : AskZ3950(catalogue, isbn, kept.get());
    outcome.name = catalogue.name;
    return outcome;
}
