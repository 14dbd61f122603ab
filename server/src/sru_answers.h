// Canned SRU answers, valid and hostile, for the client's SRU source: each
// /sru/<name> is a base URL the client can take as its SRU address, whatever
// query it appends. server/README.md lists the answers and their records.
#pragma once

#include <atomic>

#include <httplib.h>

class SruAnswers {
public:
    // Registers /sru/<name>; stopping ends a long answer early.
    static void addRoutes(httplib::Server &http, const std::atomic<bool> &stopping);
};
