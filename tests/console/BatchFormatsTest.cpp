#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "console/BatchFormats.h"
#include "console/ConsoleOptions.h"

namespace {

const MarcTimestamp kMade{2026, 12, 9, 10, 30, 0};

// A found library row whose values hold everything CSV and JSON must escape.
LookupOutcome Tricky()
{
    LookupOutcome o;
    o.isbn = "9787111111111";
    SourceOutcome library;
    library.status = SourceStatus::Found;
    library.values = {"TP311", "Say \"hi\", then go", "a\r\nb",     "红楼梦", "1,2", "", "back\\slash", "x\ty",
                      "\x01",  "http://c/1.jpg",      "intro\nline"};
    o.sources = {library, FailedOutcome(SourceKind::Community, "HTTP 503")};
    return o;
}

std::string Hex(const std::string& text)
{
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

std::string WriteTemp(const std::string& name, const std::string& text)
{
    std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Runs python3 with a script and arguments; its standard output.
std::string Python(const std::string& script, const std::string& args)
{
    std::string path = WriteTemp("check.py", script);
    FILE* pipe = popen(("python3 " + path + " " + args).c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while (pipe && (n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        out.append(buffer, n);
    if (pipe)
        pclose(pipe);
    return out;
}

TEST(BatchFormats, CsvReadsBackThroughPythonsCsvModule)
{
    LookupOutcome o = Tricky();
    std::string csv = FormatHeader(OutputFormat::Csv, true) + FormatOutcome(o, OutputFormat::Csv, true, kMade);
    EXPECT_EQ(0u, csv.find("\xEF\xBB\xBF来源,条形码,分类号,书名,"));
    std::string expected = Hex("来源");
    for (const char* title :
         {"条形码", "分类号", "书名", "著译者", "出版处", "页数", "开本", "版期", "版次", "单价", "图片网址", "简介"})
        expected += "," + Hex(title);
    expected += "\n" + Hex("library") + "," + Hex(o.isbn);
    for (const std::string& value : o.sources[0].values)
        expected += "," + Hex(value);
    std::string script =
        "import csv, sys\n"
        "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')))\n"
        "want = [[bytes.fromhex(f).decode() for f in l.split(',')] for l in open(sys.argv[2]).read().split()]\n"
        "print('same' if rows == want else 'got %r' % rows)\n";
    EXPECT_EQ("same\n", Python(script, WriteTemp("out.csv", csv) + " " + WriteTemp("want.txt", expected)));
}

TEST(BatchFormats, JsonLinesReadBackThroughPythonsJsonModule)
{
    LookupOutcome o = Tricky();
    std::string script = "import json, sys\n"
                         "for line in open(sys.argv[1], encoding='utf-8'):\n"
                         "    print(json.dumps(json.loads(line), sort_keys=True))\n";
    std::string out = Python(script, WriteTemp("out.jsonl", FormatOutcome(o, OutputFormat::Jsonl, false, kMade)));
    EXPECT_EQ(
        "{\"fields\": {\"authors\": \"a\\r\\nb\", \"classification\": \"TP311\", \"cover\": \"http://c/1.jpg\", "
        "\"date\": \"back\\\\slash\", \"edition\": \"x\\ty\", \"pages\": \"1,2\", \"price\": \"\\u0001\", "
        "\"publisher\": "
        "\"\\u7ea2\\u697c\\u68a6\", \"size\": \"\", \"title\": \"Say \\\"hi\\\", then go\"}, "
        "\"isbn\": \"9787111111111\", \"source\": \"library\", \"status\": \"found\"}\n"
        "{\"error\": \"HTTP 503\", \"isbn\": \"9787111111111\", \"source\": \"community\", \"status\": \"failed\"}\n",
        out);
    o.sources = {SourceOutcome(), SourceOutcome()};
    o.sources[1].source = SourceKind::Community;
    o.sources[1].name = "community";
    EXPECT_EQ("{\"isbn\":\"9787111111111\",\"source\":\"library\",\"status\":\"not-found\"}\n"
              "{\"isbn\":\"9787111111111\",\"source\":\"community\",\"status\":\"not-found\"}\n",
              FormatOutcome(o, OutputFormat::Jsonl, true, kMade));
}

TEST(BatchFormats, ReportsOnStandardError)
{
    LookupOutcome o = Tricky();
    EXPECT_EQ("failed: 9787111111111 community HTTP 503\n", FormatReport(o));
    o.sources[0] = FailedOutcome(SourceKind::Library, "unreachable");
    EXPECT_EQ("failed: 9787111111111 library unreachable\nfailed: 9787111111111 community HTTP 503\n", FormatReport(o));
    o.sources = {SourceOutcome(), SourceOutcome()};
    EXPECT_EQ("not found: 9787111111111\n", FormatReport(o));
    o.sources.clear();
    o.invalid = true;
    o.isbn = "97-x";
    EXPECT_EQ("invalid: 97-x\n", FormatReport(o));
    // A reader of standard output alone sees every input, where the format has room.
    EXPECT_EQ("{\"isbn\":\"97-x\",\"status\":\"invalid\"}\n", FormatOutcome(o, OutputFormat::Jsonl, false, kMade));
    EXPECT_EQ("invalid,97-x,,,,,,,,,,\r\n", FormatOutcome(o, OutputFormat::Csv, false, kMade));
    EXPECT_EQ("invalid,97-x,,,,,,,,,,,\r\n", FormatOutcome(o, OutputFormat::Csv, true, kMade));
    EXPECT_EQ("", FormatOutcome(o, OutputFormat::Marc21, false, kMade));
}

TEST(ConsoleOptions, BatchOptions)
{
    ConsoleOptions o;
    ASSERT_EQ("", ParseConsoleArgs({"--jobs", "16", "--format", "csv", "--clean", "--progress"}, o));
    EXPECT_EQ(16, o.jobs);
    EXPECT_EQ(OutputFormat::Csv, o.format);
    EXPECT_TRUE(o.utf8);
    EXPECT_TRUE(o.clean);
    EXPECT_EQ(ProgressMode::Always, o.progress);
    for (auto bad : {std::vector<std::string>{"--jobs", "0"},
                     {"--jobs", "65"},
                     {"--jobs", "x"},
                     {"--jobs"},
                     {"--format", "xml"}}) {
        ConsoleOptions ignored;
        EXPECT_EQ(0u, ParseConsoleArgs(bad, ignored).find(bad[0] + ": ")) << bad[0];
    }
}

}
