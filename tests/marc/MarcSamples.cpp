// marc_samples DIR: writes the records the console would write for a table of books, as DIR/marc21.mrc,
// DIR/unimarc.mrc and DIR/marcxml.xml, and a record that MARC::Lint must reject as DIR/lint-bad.mrc, for
// scripts/check-marc.sh to judge. Prints the number of books.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "MarcLines.h"
#include "marc/BookMarcRecord.h"
#include "marc/Iso2709.h"
#include "marc/MarcXml.h"

namespace {

struct Sample {
    const char* isbn;
    std::vector<ResultFields> rows;
    const MarcRecord* received;
    MarcFlavour receivedFlavour;
};

ResultFields LibraryRow()
{
    return {"I247.5", "活着", "余华著", "作家出版社", "191页", "20cm", "2012.8", "第2版", "20.00元", "", ""};
}

ResultFields CommunityRow()
{
    return {"",
            "活着",
            "余华",
            "作家出版社",
            "191",
            "",
            "2012-8-1",
            "",
            "CNY 20.00",
            "http://127.0.0.1/lpic/s1.jpg",
            "《活着》讲述了农村人福贵悲惨的人生遭遇。"};
}

ResultFields EnglishRow(const char* title)
{
    return {"",
            title,
            "Harper Lee",
            "Grand Central",
            "376 p.",
            "21 cm",
            "1988",
            "1st ed.",
            "",
            "",
            "A novel of the American South."};
}

std::string LongIntroduction()
{
    std::string text;
    while (text.size() < 150000)
        text += "这是一本关于生活的书。";
    return text;
}

// A library's own cataloguing, as an SRU server returns it.
MarcRecord LibraryMarc21()
{
    return RecordFromLines({"001 2011312345", "005 20110915083012.0", "008 110915s2011    cc a          000 1 chi  ",
                            "020   $a9787506365437", "040   $aDLC$beng$cDLC", "050 00$aPL2928.H78$bH78 2011",
                            "100 1 $aYu, Hua,$d1960-", "245 10$aHuo zhe /$cYu Hua zhu.",
                            "264  1$aBeijing :$bZuo jia chu ban she,$c2011.", "300   $a191 p. ;$c21 cm."},
                           "01024cam  2200253 i 4500");
}

MarcRecord LibraryUnimarc()
{
    return RecordFromLines({"001 012011000123", "010   $a978-7-5063-6543-7",
                            "100   $a20110915d2011    em y0chiy0121    ea", "101 0 $achi",
                            "200 1 $a活着$e长篇小说$f余华著", "210   $a北京$c作家出版社$d2011", "215   $a191页$d21cm",
                            "690   $aI247.57$v5", "701  0$a余华$4著"},
                           "00812nam0 2200229   450 ");
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: marc_samples DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const MarcRecord libraryMarc21 = LibraryMarc21(), libraryUnimarc = LibraryUnimarc();
    ResultFields controls = CommunityRow();
    controls[kTitle] = "活\x1d着\x1e\x1f";
    controls[kAuthor] = "余华\t著\n";
    controls[kIntro] = "第一段。\r\n第二段\x7f。\x01";
    ResultFields longIntro = CommunityRow();
    longIntro[kIntro] = LongIntroduction();
    ResultFields onlyAuthor{};
    onlyAuthor[kAuthor] = "佚名";
    ResultFields isbd = LibraryRow();
    isbd[kTitle] = "活着 /";
    isbd[kPublisher] = "作家出版社 :";
    isbd[kPages] = "191页 ;";
    ResultFields tolkien = EnglishRow("The hobbit");
    tolkien[kAuthor] = "[英] J. R. R. Tolkien";
    const std::vector<Sample> samples = {
        {"9787506365437", {LibraryRow()}, nullptr, MarcFlavour::Marc21},
        {"9787506365437", {CommunityRow()}, nullptr, MarcFlavour::Marc21},
        {"978-7-5063-6543-7", {LibraryRow(), CommunityRow()}, nullptr, MarcFlavour::Marc21},
        {"9787506365437", {CommunityRow()}, &libraryMarc21, MarcFlavour::Marc21},
        {"9787506365437", {CommunityRow()}, &libraryUnimarc, MarcFlavour::Unimarc},
        {"9787506365437", {longIntro}, nullptr, MarcFlavour::Marc21},
        {"9787506365437", {controls}, nullptr, MarcFlavour::Marc21},
        {"9787506365437", {onlyAuthor}, nullptr, MarcFlavour::Marc21},
        {"9787506365438", {LibraryRow()}, nullptr, MarcFlavour::Marc21},
        {"not an isbn", {CommunityRow()}, nullptr, MarcFlavour::Marc21},
        {"0-446-31078-7", {EnglishRow("To kill a mockingbird")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("The mockingbird")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("A mockingbird")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("An owl")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("\"The mockingbird\"")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("Why a mockingbird?")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("Mockingbird (a novel)")}, nullptr, MarcFlavour::Marc21},
        {"9787506365437", {isbd}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {EnglishRow("A to Z of cooking")}, nullptr, MarcFlavour::Marc21},
        {"0446310786", {tolkien}, nullptr, MarcFlavour::Marc21},
    };
    const MarcTimestamp made{2024, 3, 9, 14, 5, 59};
    std::string marc21, unimarc, xml = MarcXmlHeader();
    for (const Sample& s : samples) {
        const MarcRecord record =
            ComposeBookRecord(s.isbn, s.rows, s.received, s.receivedFlavour, MarcFlavour::Marc21, made);
        marc21 += WriteIso2709(record);
        xml += MarcXmlRecord(record);
        unimarc +=
            WriteIso2709(ComposeBookRecord(s.isbn, s.rows, s.received, s.receivedFlavour, MarcFlavour::Unimarc, made));
    }
    MarcRecord bad = libraryMarc21;
    bad.fields[7].subfields[1].value = "Yu Hua zhu";  // no final period
    FitIso2709(bad);
    if (!WriteFile(dir + "/marc21.mrc", marc21) || !WriteFile(dir + "/unimarc.mrc", unimarc) ||
        !WriteFile(dir + "/marcxml.xml", xml + MarcXmlFooter()) || !WriteFile(dir + "/lint-bad.mrc", WriteIso2709(bad)))
        return 1;
    std::printf("%zu\n", samples.size());
    return 0;
}
