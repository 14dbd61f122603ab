#include "lookup/ResultColumns.h"

std::string ResultHeadingSpec()
{
    std::string headings;
    for (const ResultColumn& column : kResultColumns)
        headings += std::string(headings.empty() ? "" : ";") + column.heading + "," + std::to_string(column.width);
    return headings + ";" + kSourceColumn.heading + "," + std::to_string(kSourceColumn.width);
}
