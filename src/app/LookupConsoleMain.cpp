#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include "app/ConsoleOptions.h"
#include "app/ConsoleOutput.h"
#include "app/ConsoleSearch.h"
#include "framework/CodePage.h"

namespace {

std::string ReadAllInput()
{
    std::string input;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof(buffer), stdin)) > 0)
        input.append(buffer, n);
    return input;
}

std::string ToOutput(const std::string& text, bool utf8)
{
    return utf8 ? WideToMultiByte(MultiByteToWide(text), CP_UTF8) : text;
}

void Write(FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

int LookUpAll(const ConsoleOptions& options)
{
    ConsoleSearch search(options.config);
    int status = 0;
    for (const std::string& isbn : options.isbns) {
        std::vector<FoundRow> rows = search.Run(isbn);
        for (const FoundRow& row : rows)
            Write(stdout, ToOutput(FormatRow(row, options.intro), options.utf8) + "\n");
        std::fflush(stdout);
        if (rows.empty()) {
            Write(stderr, "not found: " + ToOutput(isbn, options.utf8) + "\n");
            status = 1;
        }
    }
    return status;
}

}

int wmain(int argc, wchar_t** argv)
{
    // Bytes in, bytes out: the text is code page 936 or UTF-8, never the C runtime's idea.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(WideToMultiByte(argv[i]));
    ConsoleOptions options;
    if (!ParseConsoleArgs(args, options)) {
        Write(stderr, kConsoleUsage);
        return 2;
    }
    if (options.isbns.empty()) {
        std::string input = ReadAllInput();
        if (options.utf8)
            input = Cp936FromUtf8(input);
        options.isbns = SplitIsbnLines(input);
    }
    return LookUpAll(options);
}
