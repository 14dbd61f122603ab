#include "lookup/Z3950Connection.h"

#include <yaz/zoom.h>

#include <utility>

#include "marc/IsbnCleaning.h"

namespace {

// A term in quotes unless it is letters, digits and hyphens.
std::string PqfTerm(const std::string& term)
{
    bool plain = !term.empty() && term.find_first_not_of("0123456789Xx-") == std::string::npos;
    if (plain)
        return term;
    std::string quoted = "\"";
    for (char c : term) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

void SetOption(ZOOM_connection connection, const char* key, const std::string& value)
{
    if (!value.empty())
        ZOOM_connection_option_set(connection, key, value.c_str());
}

}

std::string IsbnQuery(const std::string& index, const std::string& isbn)
{
    const std::string attribute = "@attr 1=" + index + " ";
    const std::string other = OtherIsbnForm(isbn);
    if (other.empty())
        return attribute + PqfTerm(isbn);
    return "@or " + attribute + PqfTerm(isbn) + " " + attribute + other;
}

Z3950Connection::Z3950Connection(const CatalogueConfig& catalogue)
{
    std::string database;
    SplitZ3950Address(catalogue.address, &hostPort, &database);
    connection = ZOOM_connection_create(nullptr);
    const std::string limit = std::to_string(kMaxZ3950Answer);
    SetOption(connection, "databaseName", database);
    SetOption(connection, "preferredRecordSyntax", catalogue.format == MarcFlavour::Unimarc ? "unimarc" : "usmarc");
    // The first record comes back with the search answer: one round trip.
    SetOption(connection, "count", "1");
    SetOption(connection, "timeout", std::to_string(catalogue.timeoutSeconds));
    SetOption(connection, "maximumRecordSize", limit);
    SetOption(connection, "preferredMessageSize", limit);
    SetOption(connection, "user", catalogue.user);
    SetOption(connection, "password", catalogue.password);
}

Z3950Connection::~Z3950Connection()
{
    if (connection)
        ZOOM_connection_destroy(connection);
}

Z3950Connection::Z3950Connection(Z3950Connection&& other) noexcept
    : connection(std::exchange(other.connection, nullptr)), hostPort(std::move(other.hostPort)),
      connected(other.connected), searches(other.searches)
{
}

Z3950Connection& Z3950Connection::operator=(Z3950Connection&& other) noexcept
{
    if (this != &other) {
        if (connection)
            ZOOM_connection_destroy(connection);
        connection = std::exchange(other.connection, nullptr);
        hostPort = std::move(other.hostPort);
        connected = other.connected;
        searches = other.searches;
    }
    return *this;
}

Z3950Answer Z3950Connection::Search(const std::string& pqf)
{
    if (!connected) {
        ZOOM_connection_connect(connection, ("tcp:" + hostPort).c_str(), 0);
        if (ZOOM_connection_errcode(connection) != ZOOM_ERROR_NONE)
            return Failure();
        connected = true;
    }
    ZOOM_resultset results = ZOOM_connection_search_pqf(connection, pqf.c_str());
    ++searches;
    Z3950Answer answer;
    if (ZOOM_connection_errcode(connection) != ZOOM_ERROR_NONE) {
        answer = Failure();
    } else if (ZOOM_resultset_size(results) == 0) {
        answer.kind = Z3950Answer::Kind::NoRecords;
    } else {
        ZOOM_record record = ZOOM_resultset_record(results, 0);
        const char *message = nullptr, *info = nullptr, *set = nullptr;
        int length = 0;
        const char* bytes = record ? ZOOM_record_get(record, "raw", &length) : nullptr;
        if (ZOOM_connection_errcode(connection) != ZOOM_ERROR_NONE) {
            answer = Failure();
        } else if (record && ZOOM_record_error(record, &message, &info, &set)) {
            answer.failure = std::string(message ? message : "") + (info && *info ? std::string(": ") + info : "");
            answer.diagnostic = true;
        } else if (!bytes || length <= 0) {
            answer.failure = "bad answer";
        } else {
            answer.kind = Z3950Answer::Kind::Record;
            answer.record.assign(bytes, static_cast<std::size_t>(length));
            const char* syntax = ZOOM_record_get(record, "syntax", &length);
            answer.syntax = syntax ? syntax : "";
        }
    }
    ZOOM_resultset_destroy(results);
    return answer;
}

Z3950Answer Z3950Connection::Failure() const
{
    const char *message = nullptr, *info = nullptr;
    const int code = ZOOM_connection_error(connection, &message, &info);
    Z3950Answer answer;
    switch (code) {
    case ZOOM_ERROR_CONNECT:
        answer.failure = "unreachable";
        break;
    case ZOOM_ERROR_TIMEOUT:
        answer.failure = "timed out";
        break;
    case ZOOM_ERROR_INIT:
        answer.failure = "refused";
        break;
    case ZOOM_ERROR_CONNECTION_LOST:
        answer.failure = "bad answer";
        answer.lost = true;
        break;
    default:
        // ZOOM's own codes start at 10000; below are the server's diagnostics.
        if (code < ZOOM_ERROR_CONNECT) {
            answer.failure = std::string(message ? message : "") + (info && *info ? std::string(": ") + info : "");
            answer.diagnostic = true;
        } else {
            answer.failure = "bad answer";
        }
    }
    return answer;
}
