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
    bool help = false;  // -h or --help: the usage and nothing else
    int jobs = 4;
    int pageDeadlineSeconds = 60;
    OutputFormat format = OutputFormat::Tsv;
    ProgressMode progress = ProgressMode::WhenConsole;
    std::vector<std::string> isbns;  // empty: read them from standard input
    std::string configFile;          // --config: read before the other options apply
};

// Empty when args are good usage; else the first line of the complaint,
// naming the option and what is wrong with it ("--jobs: 65 is not between 1
// and 64"). Arguments that begin with "-" are options until "--".
std::string ParseConsoleArgs(const std::vector<std::string>& args, ConsoleOptions& options);

extern const char kConsoleUsage[];
