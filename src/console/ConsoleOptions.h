#pragma once
#include <string>
#include <vector>

#include "console/BatchFormats.h"
#include "lookup/SourceConfig.h"

enum class ProgressMode { WhenConsole, Always };

// The command line of quillfind-lookup.exe.
struct ConsoleOptions {
    SourceConfig config;
    bool utf8 = false;
    bool intro = false;
    bool clean = false;
    int jobs = 4;
    OutputFormat format = OutputFormat::Tsv;
    ProgressMode progress = ProgressMode::WhenConsole;
    std::vector<std::string> isbns;  // empty: read them from standard input
    std::string configFile;          // --config: read before the other options apply
};

// False on bad usage (an unknown option, an option without its value, or a
// value out of range).
bool ParseConsoleArgs(const std::vector<std::string>& args, ConsoleOptions& options);

// One ISBN per line; blank lines are skipped and a trailing CR removed.
std::vector<std::string> SplitIsbnLines(const std::string& input);

extern const char kConsoleUsage[];
