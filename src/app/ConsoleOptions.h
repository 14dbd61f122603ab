#pragma once
#include <string>
#include <vector>

#include "lookup/SourceConfig.h"

// The command line of quillfind-lookup.exe.
struct ConsoleOptions {
    SourceConfig config;
    bool utf8 = false;
    bool intro = false;
    std::vector<std::string> isbns;  // empty: read them from standard input
};

// False on bad usage (an unknown option, or an option without its value).
bool ParseConsoleArgs(const std::vector<std::string>& args, ConsoleOptions& options);

// One ISBN per line; blank lines are skipped and a trailing CR removed.
std::vector<std::string> SplitIsbnLines(const std::string& input);

extern const char kConsoleUsage[];
