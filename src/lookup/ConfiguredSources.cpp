#include "lookup/ConfiguredSources.h"

#include <memory>

#include "lookup/CatalogueSettings.h"
#include "lookup/CommunitySource.h"
#include "lookup/LibrarySource.h"

std::vector<LookupSource> ConfiguredSources(const SourceConfig& config, CatalogueConnections connections)
{
    std::vector<LookupSource> sources = {{SourceKind::Library, "library", AskLibrary},
                                         {SourceKind::Community, "community", AskCommunity}};
    for (const CatalogueConfig& catalogue : ConfiguredCatalogues(config)) {
        auto source = std::make_shared<const CatalogueSource>(catalogue, connections);
        sources.push_back({SourceKind::Catalogue, catalogue.name,
                           [source](const std::string& isbn, const SourceConfig&, const PageResultFetch& fetch) {
                               return source->Ask(isbn, fetch);
                           }});
    }
    return sources;
}
