#include "console/ConsoleOptions.h"

const char kConsoleUsage[] =
    "usage: quillfind-lookup.exe [--community URL] [--library URL] [--covers URL]\n"
    "                            [--sru URL] [--sru-index NAME] [--sru-format marc21|unimarc]\n"
    "                            [--z3950 HOST:PORT/DATABASE] [--z3950-format marc21|unimarc]\n"
    "                            [--z3950-charset NAME] [--config FILE] [--utf8] [--intro]\n"
    "                            [--jobs N] [--format tsv|csv|jsonl|marc21|unimarc|marcxml] [--progress]\n"
    "                            [--clean] [--page-deadline SECONDS] [-h|--help] [--] [ISBN ...]\n"
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
    "--page-deadline  the most seconds one page may take, 1 to 60 (default 60)\n"
    "Exit status: 0 all found, 1 some not found or invalid, 3 some lookup failed, 2 bad usage,\n"
    "4 output could not be written.\n";

namespace {

// Empty when text is a whole number from low to high, set into number.
std::string SetNumber(const std::string& text, int low, int high, int& number)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(text) < low || std::stoi(text) > high)
        return text + " is not between " + std::to_string(low) + " and " + std::to_string(high);
    number = std::stoi(text);
    return std::string();
}

std::string SetFormat(const std::string& text, OutputFormat& format)
{
    static const struct {
        const char* name;
        OutputFormat format;
    } kFormats[] = {{"tsv", OutputFormat::Tsv},         {"csv", OutputFormat::Csv},
                    {"jsonl", OutputFormat::Jsonl},     {"marc21", OutputFormat::Marc21},
                    {"unimarc", OutputFormat::Unimarc}, {"marcxml", OutputFormat::MarcXml}};
    for (const auto& known : kFormats)
        if (text == known.name) {
            format = known.format;
            return std::string();
        }
    return text + " is not one of tsv, csv, jsonl, marc21, unimarc, marcxml";
}

// A source's address: an http or https URL with a host, or nothing can be asked.
std::string SetAddress(const std::string& text, std::string& address)
{
    std::size_t scheme = text.compare(0, 7, "http://") == 0 ? 7 : text.compare(0, 8, "https://") == 0 ? 8 : 0;
    if (scheme == 0 || text.size() == scheme || text[scheme] == '/')
        return text + " is not an http or https address";
    address = text;
    return std::string();
}

std::string SetText(const std::string& text, std::string& setting)
{
    if (text.empty())
        return "the value is empty";
    setting = text;
    return std::string();
}

// Every option that takes a value, with what it checks and sets: empty when
// the value is good, else what is wrong with it.
const struct ValueOption {
    const char* name;
    std::string (*set)(const std::string& value, ConsoleOptions& o);
} kValueOptions[] = {
    {"--community", [](const std::string& v, ConsoleOptions& o) { return SetAddress(v, o.config.communityBase); }},
    {"--library", [](const std::string& v, ConsoleOptions& o) { return SetAddress(v, o.config.libraryBase); }},
    {"--covers", [](const std::string& v, ConsoleOptions& o) { return SetAddress(v, o.config.coverBase); }},
    {"--sru", [](const std::string& v, ConsoleOptions& o) { return SetAddress(v, o.config.sruBase); }},
    {"--sru-index", [](const std::string& v, ConsoleOptions& o) { return SetText(v, o.config.sruIndex); }},
    {"--sru-format",
     [](const std::string& v, ConsoleOptions& o) {
         return ParseMarcFlavour(v, o.config.sruFormat) ? std::string() : v + " is not marc21 or unimarc";
     }},
    {"--z3950",
     [](const std::string& v, ConsoleOptions& o) {
         std::string hostPort, database;
         o.config.z3950Address = v;
         return SplitZ3950Address(v, &hostPort, &database) ? std::string() : v + " is not HOST:PORT/DATABASE";
     }},
    {"--z3950-format",
     [](const std::string& v, ConsoleOptions& o) {
         return ParseMarcFlavour(v, o.config.z3950Format) ? std::string() : v + " is not marc21 or unimarc";
     }},
    {"--z3950-charset",
     [](const std::string& v, ConsoleOptions& o) {
         return !v.empty() && ParseMarcCharset(v, o.config.z3950Charset) ? std::string()
                                                                          : v + " is not a character set it knows";
     }},
    {"--config", [](const std::string& v, ConsoleOptions& o) { return SetText(v, o.configFile); }},
    {"--jobs", [](const std::string& v, ConsoleOptions& o) { return SetNumber(v, 1, 64, o.jobs); }},
    {"--format", [](const std::string& v, ConsoleOptions& o) { return SetFormat(v, o.format); }},
    {"--page-deadline",
     [](const std::string& v, ConsoleOptions& o) { return SetNumber(v, 1, 60, o.pageDeadlineSeconds); }},
};

const struct FlagOption {
    const char* name;
    void (*set)(ConsoleOptions& o);
} kFlagOptions[] = {
    {"--utf8", [](ConsoleOptions& o) { o.utf8 = true; }},
    {"--intro", [](ConsoleOptions& o) { o.intro = true; }},
    {"--clean", [](ConsoleOptions& o) { o.clean = true; }},
    {"--progress", [](ConsoleOptions& o) { o.progress = ProgressMode::Always; }},
    {"-h", [](ConsoleOptions& o) { o.help = true; }},
    {"--help", [](ConsoleOptions& o) { o.help = true; }},
};

// Empty when arg is a known option, taken with its value from args[i + 1].
std::string TakeOption(const std::vector<std::string>& args, std::size_t& i, ConsoleOptions& options)
{
    const std::string& arg = args[i];
    for (const FlagOption& flag : kFlagOptions)
        if (arg == flag.name) {
            flag.set(options);
            return std::string();
        }
    for (const ValueOption& option : kValueOptions) {
        if (arg != option.name)
            continue;
        if (++i == args.size())
            return arg + ": the value is missing";
        std::string wrong = option.set(args[i], options);
        return wrong.empty() ? wrong : arg + ": " + wrong;
    }
    return arg + ": no such option";
}

bool IsBlank(const std::string& text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

}

std::string ParseConsoleArgs(const std::vector<std::string>& args, ConsoleOptions& options)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.rfind('-', 0) == 0) {
            std::string wrong = TakeOption(args, i, options);
            if (!wrong.empty())
                return wrong;
        } else if (IsBlank(arg)) {
            return "an ISBN argument is empty";
        } else {
            options.isbns.push_back(arg);
        }
    }
    // A spreadsheet reads CSV right only as UTF-8; JSON is UTF-8 by definition.
    if (options.format != OutputFormat::Tsv)
        options.utf8 = true;
    return std::string();
}
