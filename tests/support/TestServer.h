#pragma once
#include <string>

#include "lookup/SourceConfig.h"

// The catalogue service that scripts/run-test.sh started for this program.
std::string TestServerBase();
// All three services on the test server.
SourceConfig TestSourceConfig();
// Requests the server has seen whose path starts with prefix.
int ServerRequestCount(const std::string& prefix);
// The Zebra SRU server that scripts/run-test.sh --zebra started: the base
// address of one of its databases ("marc21", "unimarc", "loc").
std::string ZebraBase(const std::string& database);
// A database of the same Zebra over Z39.50, HOST:PORT/DATABASE; legacy: of
// the second one, which answers in MARC-8 and GB2312.
std::string ZebraZ3950(const std::string& database, bool legacy = false);
// A loopback port on which nothing listens.
std::string DeadServerBase();
