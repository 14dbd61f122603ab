#include "console/ConsoleOptions.h"

const char kConsoleUsage[] =
    "usage: quillfind-lookup.exe [--community URL] [--library URL] [--covers URL]\n"
    "                            [--sru URL] [--sru-index NAME] [--sru-format marc21|unimarc]\n"
    "                            [--z3950 HOST:PORT/DATABASE] [--z3950-format marc21|unimarc]\n"
    "                            [--z3950-charset NAME] [--config FILE] [--utf8] [--intro]\n"
    "                            [--jobs N] [--format tsv|csv|jsonl|marc21|unimarc|marcxml] [--progress]\n"
    "                            [--clean] [ISBN ...]\n"
    "Looks each ISBN up in every source and prints one line per row found:\n"
    "the source, the ISBN and the ten column values, separated by tabs.\n"
    "Without ISBN arguments, ISBNs are read from standard input, one per line.\n"
    "--sru URL     also ask a library catalogue that speaks SRU (base address with the database)\n"
    "--sru-index   its ISBN index (default bath.isbn); --sru-format: its records' flavour (default marc21)\n"
    "--z3950 HOST:PORT/DATABASE  also ask a library catalogue that speaks Z39.50; --z3950-format: its\n"
    "              records' flavour (default marc21); --z3950-charset: utf-8, marc-8, iso-5426, iso-8859-1,\n"
    "              gb2312, gbk or gb18030 (default: as each record says)\n"
    "--config FILE the sources of an INI file: [Sources] and its [Catalogue NAME] sections\n"
    "--jobs N      ISBNs looked up at once, 1 to 64 (default 4); output keeps input order\n"
    "--format      tsv (default), csv (UTF-8 with a header row), jsonl (one object per source),\n"
    "              marc21 or unimarc (ISO 2709 records, UTF-8), marcxml (a MARC 21 slim collection)\n"
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
    else if (text == "marc21")
        format = OutputFormat::Marc21;
    else if (text == "unimarc")
        format = OutputFormat::Unimarc;
    else if (text == "marcxml")
        format = OutputFormat::MarcXml;
    else
        return false;
    return true;
}

// Options that take a value; false when arg is none of them.
bool IsValueOption(const std::string& arg)
{
    return arg == "--community" || arg == "--library" || arg == "--covers" || arg == "--sru" || arg == "--sru-index" ||
           arg == "--sru-format" || arg == "--jobs" || arg == "--format" || arg == "--z3950" ||
           arg == "--z3950-format" || arg == "--z3950-charset" || arg == "--config";
}

bool SetValue(const std::string& arg, const std::string& value, ConsoleOptions& options)
{
    if (arg == "--jobs")
        return ParseJobs(value, options.jobs);
    if (arg == "--format")
        return ParseFormat(value, options.format);
    if (arg == "--sru-format")
        return ParseMarcFlavour(value, options.config.sruFormat);
    if (arg == "--z3950-format")
        return ParseMarcFlavour(value, options.config.z3950Format);
    if (arg == "--z3950-charset")
        return !value.empty() && ParseMarcCharset(value, options.config.z3950Charset);
    if (arg == "--z3950") {
        std::string hostPort, database;
        options.config.z3950Address = value;
        return SplitZ3950Address(value, &hostPort, &database);
    }
    if (arg == "--config") {
        options.configFile = value;
        return true;
    }
    SourceConfig& c = options.config;
    std::string& setting = arg == "--community" ? c.communityBase
                           : arg == "--library" ? c.libraryBase
                           : arg == "--covers"  ? c.coverBase
                           : arg == "--sru"     ? c.sruBase
                                                : c.sruIndex;
    setting = value;
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
