#pragma once
#include <string>

#include "lookup/CatalogueConfig.h"

struct ZOOM_connection_p;

// What one Z39.50 search gave.
struct Z3950Answer {
    enum class Kind { Record, NoRecords, Failed };
    Kind kind = Kind::Failed;
    std::string record;  // the first record's bytes, as sent
    std::string syntax;  // its record syntax as YAZ names it: "USmarc", "Unimarc", ...
    // When Failed: "unreachable", "timed out", "refused", "bad answer", or
    // the server's diagnostic (UTF-8).
    std::string failure;
    bool diagnostic = false;  // failure is the server's message
    bool lost = false;        // the server closed the connection
};

// A connection to a Z39.50 catalogue through YAZ's ZOOM. It connects and
// signs on at its first search and serves the next ones over the same
// connection; the first record comes back with the search answer. Used by
// one thread at a time. Movable, not copyable.
class Z3950Connection {
public:
    explicit Z3950Connection(const CatalogueConfig& catalogue);
    ~Z3950Connection();
    Z3950Connection(Z3950Connection&& other) noexcept;
    Z3950Connection& operator=(Z3950Connection&& other) noexcept;
    Z3950Connection(const Z3950Connection&) = delete;
    Z3950Connection& operator=(const Z3950Connection&) = delete;

    // pqf: a query in YAZ's prefix notation.
    Z3950Answer Search(const std::string& pqf);
    // Searches done before, on this connection.
    int Searches() const { return searches; }

private:
    Z3950Answer Failure() const;

    ZOOM_connection_p* connection = nullptr;
    std::string hostPort;
    bool connected = false;
    int searches = 0;
};

// A query for the ISBN (UTF-8) in the bib-1 use attribute index, or for
// either of it and its other form when it has one.
std::string IsbnQuery(const std::string& index, const std::string& isbn);

// Answers larger than this are bad ones.
constexpr std::size_t kMaxZ3950Answer = 16 * 1024 * 1024;
