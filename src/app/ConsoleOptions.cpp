#include "app/ConsoleOptions.h"

const char kConsoleUsage[] =
    "usage: quillfind-lookup.exe [--community URL] [--library URL] [--covers URL] [--utf8] [--intro] [ISBN ...]\n"
    "Looks each ISBN up in both sources and prints one line per row found:\n"
    "the source, the ISBN and the ten column values, separated by tabs.\n"
    "Without ISBN arguments, ISBNs are read from standard input, one per line.\n";

bool ParseConsoleArgs(const std::vector<std::string>& args, ConsoleOptions& options)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* url = nullptr;
        if (arg == "--community")
            url = &options.config.communityBase;
        else if (arg == "--library")
            url = &options.config.libraryBase;
        else if (arg == "--covers")
            url = &options.config.coverBase;
        if (url) {
            if (++i == args.size())
                return false;
            *url = args[i];
        } else if (arg == "--utf8") {
            options.utf8 = true;
        } else if (arg == "--intro") {
            options.intro = true;
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            options.isbns.push_back(arg);
        }
    }
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
