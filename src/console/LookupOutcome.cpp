#include "console/LookupOutcome.h"

#include <algorithm>

bool LookupOutcome::Found() const
{
    return Rows() > 0;
}

bool LookupOutcome::Failed() const
{
    return std::any_of(sources.begin(), sources.end(),
                       [](const SourceOutcome& s) { return s.status == SourceStatus::Failed; });
}

std::size_t LookupOutcome::Rows() const
{
    return std::count_if(sources.begin(), sources.end(), [](const SourceOutcome& s) { return s.Found(); });
}
