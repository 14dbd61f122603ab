#pragma once
#include <string>

#include "marc/MarcCharset.h"
#include "marc/MarcRecord.h"

enum class CatalogueProtocol { Z3950, Sru };

// One library catalogue, as its settings describe it.
struct CatalogueConfig {
    std::string name;  // how rows and reports name it; code page 936
    CatalogueProtocol protocol = CatalogueProtocol::Z3950;
    // Z39.50: HOST:PORT/DATABASE. SRU: the base URL with the database path.
    std::string address;
    MarcFlavour format = MarcFlavour::Marc21;
    MarcCharset charset = MarcCharset::ByRecord;  // Z39.50 records only
    std::string index;                            // empty: the protocol's ISBN index
    std::string user, password;                   // a Z39.50 sign-on, when it asks for one
    int timeoutSeconds = 10;                      // with no answer

    // The index a search uses: the configured one, else bib-1 use
    // attribute 7 or the CQL index bath.isbn.
    std::string SearchIndex() const;
};

// HOST:PORT/DATABASE split; false when any of the three is missing or the
// port is not a number from 1 to 65535.
bool SplitZ3950Address(const std::string& address, std::string* hostPort, std::string* database);
