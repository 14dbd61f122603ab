// marc_bench [BOOKS]: records composed and written per second (ISO 2709 in both flavours, MARCXML), for
// BOOKS books (default 100,000) with a library row and a community row each. Run by hand on a build
// without the sanitizers.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "marc/BookMarcRecord.h"
#include "marc/Iso2709.h"
#include "marc/MarcXml.h"

namespace {

std::string Isbn(int n)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "978711%06d", n % 1000000);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits[i] - '0') * (i % 2 ? 3 : 1);
    return std::string(digits) + static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::vector<ResultFields> Rows(int n)
{
    const std::string number = std::to_string(n);
    return {
        {"I247.5", "活着 第" + number + "卷", "余华著", "作家出版社", "191页", "20cm", "2012.8", "第2版", "", "", ""},
        {"", "活着", "余华", "作家出版社", "191", "", "2012-8-1", "", "20.00元", "http://h/lpic/s" + number + ".jpg",
         "《活着》讲述了农村人福贵悲惨的人生遭遇。福贵本是个阔少爷，可他嗜赌如命，终于赌光了家业，一贫如洗。"}};
}

void Measure(const char* name, int books, MarcFlavour flavour, bool xml)
{
    const MarcTimestamp made{2024, 3, 9, 14, 5, 59};
    std::size_t bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < books; ++n) {
        const MarcRecord record = ComposeBookRecord(Isbn(n), Rows(n), nullptr, flavour, flavour, made);
        bytes += (xml ? MarcXmlRecord(record) : WriteIso2709(record)).size();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-8s %d records in %.2f s: %.0f records/s, %.1f MB, %.0f bytes a record\n", name, books, seconds,
                books / seconds, bytes / 1e6, static_cast<double>(bytes) / books);
}

}

int main(int argc, char** argv)
{
    const int books = argc > 1 ? std::atoi(argv[1]) : 100000;
    Measure("marc21", books, MarcFlavour::Marc21, false);
    Measure("unimarc", books, MarcFlavour::Unimarc, false);
    Measure("marcxml", books, MarcFlavour::Marc21, true);
    return 0;
}
