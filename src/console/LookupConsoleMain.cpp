#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>

#include "console/BatchFormats.h"
#include "console/BatchRunner.h"
#include "console/ConsoleOptions.h"
#include "console/ConsoleOutput.h"
#include "console/ConsoleSearch.h"
#include "console/IsbnLineReader.h"
#include "console/ProgressLine.h"
#include "framework/CodePage.h"
#include "framework/InternetSession.h"
#include "framework/Trace.h"
#include "lookup/Completion.h"
#include "lookup/IniSourceSettings.h"
#include "lookup/PageFetcher.h"
#include "marc/IsbnCleaning.h"

namespace {

// Exit status when standard output could not be written.
const int kOutputLost = 4;

std::string ToUtf8(const std::string& text)
{
    return WideToMultiByte(MultiByteToWide(text), CP_UTF8);
}

void Write(FILE* stream, const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

// The system's words for error, on one line.
std::string ErrorText(DWORD error)
{
    wchar_t* text = nullptr;
    DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text ? text : L"", length);
    ::LocalFree(text);
    words.erase(words.find_last_not_of(L"\r\n .") + 1);
    return words.empty() ? "error " + std::to_string(error) : WideToMultiByte(words);
}

// Rows that cannot be written (a full disk, a reader gone) are lost, and so
// is every lookup still to come: the run ends here, at once, however many
// lookups are in flight.
void WriteOutput(const std::string& text)
{
    if ((text.empty() || std::fwrite(text.data(), 1, text.size(), stdout) == text.size()) && std::fflush(stdout) == 0)
        return;
    Write(stderr, "output could not be written: " + ErrorText(::GetLastError()) + "\n");
    std::fflush(stderr);
    ::ExitProcess(kOutputLost);
}

// The values become their UTF-8 forms, which keep what code page 936 cannot hold.
LookupOutcome OutcomeInUtf8(LookupOutcome outcome)
{
    outcome.isbn = ToUtf8(outcome.isbn);
    for (SourceOutcome& source : outcome.sources) {
        source.name = ToUtf8(source.name);
        source.failure = ToUtf8(source.failure);
        source.values = source.text;
    }
    return outcome;
}

IsbnLineReader StandardInputLines()
{
    return IsbnLineReader([] { return std::getc(stdin); });
}

// Non-blank lines of standard input when it is a file, read once and
// rewound; 0 for a pipe or a console, whose length is not known.
std::size_t CountInputLines()
{
    struct _stat64 info;
    if (_fstat64(_fileno(stdin), &info) != 0 || !(info.st_mode & _S_IFREG))
        return 0;
    std::size_t count = 0;
    std::string line;
    for (IsbnLineReader lines = StandardInputLines(); lines.Next(line);)
        ++count;
    std::clearerr(stdin);
    return std::fseek(stdin, 0, SEEK_SET) == 0 ? count : 0;
}

// The local time, as a record made now carries it.
MarcTimestamp Now()
{
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return MarcTimestamp{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

bool StderrIsConsole()
{
    return ::GetFileType(::GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_CHAR;
}

// Writes rows to standard output and reports to standard error, and the
// progress line, which on a console is redrawn in place.
class ConsoleWriter {
public:
    ConsoleWriter(const ConsoleOptions& o, bool inPlace) : options(o), inPlace(inPlace) {}

    void Emit(const LookupOutcome& outcome)
    {
        std::string report = FormatReport(outcome);
        std::lock_guard<std::mutex> hold(lock);
        WriteOutput(FormatOutcome(outcome, options.format, options.intro, Now()));
        if (!report.empty()) {
            ClearProgress();
            Write(stderr, report);
        }
    }

    void Progress(const std::string& line, bool last)
    {
        std::lock_guard<std::mutex> hold(lock);
        ClearProgress();
        Write(stderr, line + (inPlace && !last ? "" : "\n"));
        shownWidth = inPlace && !last ? line.size() : 0;
    }

private:
    void ClearProgress()
    {
        if (shownWidth)
            Write(stderr, "\r" + std::string(shownWidth, ' ') + "\r");
        shownWidth = 0;
    }

    const ConsoleOptions& options;
    const bool inPlace;
    std::mutex lock;
    std::size_t shownWidth = 0;
};

// Calls tick once a second on its own thread until destroyed.
class Ticker {
public:
    explicit Ticker(std::function<void()> tick)
        : thread([this, tick] {
              // A progress line that cannot be written is lost; the batch goes on.
              try {
                  while (!stop.WaitFor(1000))
                      tick();
              } catch (...) {
                  AfxTraceCaught("progress ticker");
              }
          })
    {
    }
    ~Ticker()
    {
        stop.Set();
        thread.join();
    }

private:
    Completion stop;
    std::thread thread;
};

// --config: the file's sources, with the command line over them. Each bad
// setting is named on standard error; its catalogue is left out.
bool ReadConfigFile(const std::vector<std::string>& args, ConsoleOptions& options)
{
    const std::wstring path = MultiByteToWide(options.configFile);
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Write(stderr, "--config: " + options.configFile + " cannot be read\n");
        return false;
    }
    ConsoleOptions withFile;
    ReadIniSources(path, withFile.config);
    ParseConsoleArgs(args, withFile);
    options = withFile;
    for (const std::string& problem : options.config.problems)
        Write(stderr, (options.utf8 ? ToUtf8(problem) : problem) + "\n");
    return true;
}

// What searching text gives: invalid without a search when it is far too
// long for an ISBN, or fails the check that --clean asks for.
LookupOutcome LookUpText(const std::string& text, const ConsoleOptions& options, const ConsoleSearch& search)
{
    LookupOutcome outcome;
    std::string isbn = text;
    outcome.isbn = CutOverlongIsbn(text);
    outcome.invalid = !outcome.isbn.empty();
    if (!outcome.invalid && options.clean && !CleanIsbn(text, &isbn)) {
        outcome.isbn = text;
        outcome.invalid = true;
    }
    return outcome.invalid ? outcome : search.Run(isbn);
}

int ExitStatus(const BatchCounts& counts)
{
    return counts.failed ? 3 : counts.notFound ? 1 : 0;
}

int LookUpAll(const ConsoleOptions& options)
{
    // Each ISBN in flight holds up to two connections to a server.
    SetMaxConnectionsPerServer(2 * options.jobs + 2);
    ConsoleSearch search(options.config);
    // Converted here, on the worker threads, not where results are emitted in order.
    BatchRunner::LookUp lookUp = [&](const std::string& text) {
        LookupOutcome outcome = LookUpText(text, options, search);
        return options.utf8 ? OutcomeInUtf8(outcome) : outcome;
    };
    bool console = StderrIsConsole();
    bool showProgress = console || options.progress == ProgressMode::Always;
    ConsoleWriter writer(options, console);
    BatchRunner::Caught caught = [&](const std::string& isbn) {
        AfxTraceCaught("batch worker");
        LookupOutcome broken = BrokenOutcome(isbn, options.config);
        return options.utf8 ? OutcomeInUtf8(broken) : broken;
    };
    BatchRunner runner(
        options.jobs, lookUp, [&](const LookupOutcome& o) { writer.Emit(o); }, caught);

    std::size_t total = options.isbns.empty() ? (showProgress ? CountInputLines() : 0) : options.isbns.size();
    std::size_t nextArg = 0;
    IsbnLineReader lines = StandardInputLines();
    BatchRunner::NextIsbn next = [&](std::string& isbn) {
        if (options.isbns.empty()) {
            if (!lines.Next(isbn))
                return false;
            if (options.utf8)
                isbn = Cp936FromUtf8(isbn);
            return true;
        }
        if (nextArg == options.isbns.size())
            return false;
        isbn = options.isbns[nextArg++];
        return true;
    };
    WriteOutput(FormatHeader(options.format, options.intro));
    auto start = std::chrono::steady_clock::now();
    auto progressLine = [&] {
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return FormatProgress(runner.Counts(), total, seconds);
    };
    {
        std::unique_ptr<Ticker> ticker;
        if (showProgress)
            ticker = std::make_unique<Ticker>([&] { writer.Progress(progressLine(), false); });
        runner.Run(next);
    }
    WriteOutput(FormatFooter(options.format));
    if (showProgress)
        writer.Progress(progressLine(), true);
    return ExitStatus(runner.Counts());
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
    std::string wrong = ParseConsoleArgs(args, options);
    if (!wrong.empty()) {
        Write(stderr, wrong + "\n" + kConsoleUsage);
        return 2;
    }
    if (options.help) {
        WriteOutput(kConsoleUsage);
        return 0;
    }
    SetPageDeadlineMs(static_cast<unsigned>(options.pageDeadlineSeconds) * 1000);
    if (!options.configFile.empty() && !ReadConfigFile(args, options))
        return 2;
    return LookUpAll(options);
}
