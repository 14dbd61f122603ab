#include "lookup/CatalogueConfig.h"

#include <cstdlib>

std::string CatalogueConfig::SearchIndex() const
{
    if (!index.empty())
        return index;
    return protocol == CatalogueProtocol::Z3950 ? "7" : "bath.isbn";
}

bool SplitZ3950Address(const std::string& address, std::string* hostPort, std::string* database)
{
    std::string::size_type slash = address.find('/');
    std::string::size_type colon = address.rfind(':', slash);
    if (slash == std::string::npos || colon == std::string::npos || colon == 0 || slash + 1 == address.size())
        return false;
    std::string port = address.substr(colon + 1, slash - colon - 1);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos)
        return false;
    long number = std::strtol(port.c_str(), nullptr, 10);
    if (number < 1 || number > 65535)
        return false;
    *hostPort = address.substr(0, slash);
    *database = address.substr(slash + 1);
    return true;
}
