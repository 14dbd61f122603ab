#include "console/ConsoleOptions.h"

const char kConsoleUsage[] =
    "usage: quillfind-lookup.exe [--community URL] [--library URL] [--covers URL] [--utf8] [--intro]\n"
    "                            [--jobs N] [--format tsv|csv|jsonl] [--progress] [--clean] [ISBN ...]\n"
    "Looks each ISBN up in both sources and prints one line per row found:\n"
    "the source, the ISBN and the ten column values, separated by tabs.\n"
    "Without ISBN arguments, ISBNs are read from standard input, one per line.\n"
    "--jobs N      ISBNs looked up at once, 1 to 64 (default 4); output keeps input order\n"
    "--format      tsv (default), csv (UTF-8 with a header row) or jsonl (one object per source)\n"
    "--progress    a progress line on standard error once a second, even when redirected\n"
    "--clean       drop spaces and hyphens, check the check digit, skip invalid ISBNs\n"
    "Exit status: 0 all found, 1 some not found or invalid, 3 some lookup failed, 2 bad usage.\n";

namespace {

bool ParseJobs(const std::string& text, int& jobs)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    jobs = std::stoi(text);
    return jobs >= 1 && jobs <= 64;
}

bool ParseFormat(const std::string& text, OutputFormat& format)
{
    if (text == "tsv")
        format = OutputFormat::Tsv;
    else if (text == "csv")
        format = OutputFormat::Csv;
    else if (text == "jsonl")
        format = OutputFormat::Jsonl;
    else
        return false;
    return true;
}

// Options that take a value; false when arg is none of them.
bool IsValueOption(const std::string& arg)
{
    return arg == "--community" || arg == "--library" || arg == "--covers" || arg == "--jobs" || arg == "--format";
}

bool SetValue(const std::string& arg, const std::string& value, ConsoleOptions& options)
{
    if (arg == "--jobs")
        return ParseJobs(value, options.jobs);
    if (arg == "--format")
        return ParseFormat(value, options.format);
    std::string& url = arg == "--community" ? options.config.communityBase
                       : arg == "--library" ? options.config.libraryBase
                                            : options.config.coverBase;
    url = value;
    return true;
}

}

bool ParseConsoleArgs(const std::vector<std::string>& args, ConsoleOptions& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsValueOption(arg)) {
            if (++i == args.size() || !SetValue(arg, args[i], options))
                return false;
        } else if (arg == "--utf8") {
            options.utf8 = true;
        } else if (arg == "--intro") {
            options.intro = true;
        } else if (arg == "--clean") {
            options.clean = true;
        } else if (arg == "--progress") {
            options.progress = ProgressMode::Always;
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            options.isbns.push_back(arg);
        }
    }
    // A spreadsheet reads CSV right only as UTF-8; JSON is UTF-8 by definition.
    if (options.format != OutputFormat::Tsv)
        options.utf8 = true;
    return true;
}

std::vector<std::string> SplitIsbnLines(const std::string& input)
{
    std::vector<std::string> isbns;
    std::string::size_type start = 0;
    while (start < input.size()) {
        std::string::size_type end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        std::string line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            isbns.push_back(line);
        start = end + 1;
    }
    return isbns;
}
