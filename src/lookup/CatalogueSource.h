#pragma once
#include <memory>
#include <string>

#include "lookup/CatalogueConfig.h"
#include "lookup/PageResult.h"
#include "lookup/SourceOutcome.h"

class Z3950ConnectionPool;

// How a catalogue's Z39.50 connections live: one per search (the window),
// or kept across searches (a console batch, whose workers each find one
// signed on already).
enum class CatalogueConnections { PerSearch, Kept };

// A library catalogue as one kind of source, made from its settings: SRU
// or Z39.50 behind the same question. Its outcomes carry its name.
class CatalogueSource {
public:
    CatalogueSource(const CatalogueConfig& catalogue, CatalogueConnections connections);
    ~CatalogueSource();

    SourceOutcome Ask(const std::string& isbn, const PageResultFetch& fetch) const;
    const std::string& Name() const { return catalogue.name; }

private:
    const CatalogueConfig catalogue;
    std::unique_ptr<Z3950ConnectionPool> kept;
};
