#include "lookup/ConfiguredSources.h"

#include "lookup/CommunitySource.h"
#include "lookup/LibrarySource.h"

std::vector<LookupSource> ConfiguredSources(const SourceConfig&)
{
    return {{SourceKind::Library, AskLibrary}, {SourceKind::Community, AskCommunity}};
}
