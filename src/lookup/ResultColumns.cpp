#include "lookup/ResultColumns.h"

std::string ResultHeadingSpec()
{
    std::string spec;
    for (const ResultColumn& column : kResultColumns)
        spec += std::string(spec.empty() ? "" : ";") + column.heading + "," + std::to_string(column.width);
    return spec;
}
