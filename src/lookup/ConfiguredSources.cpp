#include "lookup/ConfiguredSources.h"

#include "lookup/CommunitySource.h"
#include "lookup/LibrarySource.h"
#include "lookup/SruSource.h"

std::vector<LookupSource> ConfiguredSources(const SourceConfig& config)
{
    std::vector<LookupSource> sources = {{SourceKind::Library, AskLibrary}, {SourceKind::Community, AskCommunity}};
    if (!config.sruBase.empty())
        sources.push_back({SourceKind::Sru, AskSru});
    return sources;
}
