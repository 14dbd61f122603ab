#include <gtest/gtest.h>

#include "MarcLines.h"
#include "marc/BookMarcRecord.h"
#include "marc/Iso2709.h"

namespace {

const MarcTimestamp kMade{2024, 3, 9, 14, 5, 59};

ResultFields LibraryRow()
{
    return {"I247.5", "活着", "余华著", "作家出版社", "191页", "20cm", "2012.8", "第2版", "", "", ""};
}

ResultFields CommunityRow()
{
    return {"",
            "活着（新版）",
            "余华",
            "作家出版社",
            "191",
            "",
            "2012-8-1",
            "",
            "20.00元",
            "http://h/lpic/s1.jpg",
            "讲述了福贵的一生。"};
}

// The record as its written bytes read back.
std::vector<std::string> Written(const MarcRecord& record)
{
    MarcRecord read;
    EXPECT_TRUE(ReadIso2709(WriteIso2709(record), read));
    EXPECT_EQ(record.leader, read.leader);
    return LinesOf(read);
}

std::vector<std::string> Composed(const std::string& isbn, const std::vector<ResultFields>& rows, MarcFlavour wanted,
                                  const MarcRecord* received = nullptr,
                                  MarcFlavour receivedFlavour = MarcFlavour::Marc21)
{
    return Written(ComposeBookRecord(isbn, rows, received, receivedFlavour, wanted, kMade));
}

// Every line of the tag, joined with " | ".
std::string FieldsOf(const std::vector<std::string>& lines, const std::string& tag)
{
    std::string joined;
    for (const std::string& line : lines)
        if (line.compare(0, 3, tag) == 0)
            joined += (joined.empty() ? "" : " | ") + line;
    return joined;
}

std::string FieldOf(const std::vector<std::string>& lines, const std::string& tag)
{
    for (const std::string& line : lines)
        if (line.compare(0, 3, tag) == 0)
            return line;
    return "";
}

}

TEST(BookMarcRecord, Marc21FromMergedRows)
{
    EXPECT_EQ((std::vector<std::string>{
                  "001 978-7-5063-6543-7",
                  "005 20240309140559.0",
                  "008 240309s2012    xx ||||| |||||||| ||chi d",
                  "020   $a9787506365437$c20.00元",
                  "084   $aI247.5$2clc",
                  "100 0 $a余华.",
                  "245 10$a活着 /$c余华著.",
                  "250   $a第2版",
                  "264  1$b作家出版社,$c2012.8",
                  "300   $a191页 ;$c20cm",
                  "520   $a讲述了福贵的一生。",
                  "856 42$3cover image$uhttp://h/lpic/s1.jpg",
              }),
              Composed("978-7-5063-6543-7", {LibraryRow(), CommunityRow()}, MarcFlavour::Marc21));
}

TEST(BookMarcRecord, UnimarcFromMergedRows)
{
    EXPECT_EQ((std::vector<std::string>{
                  "001 9787506365437",
                  "005 20240309140559.0",
                  "010   $a978-7-5063-6543-7$d20.00元",
                  "100   $a20240309d2012    u  u0chiy50      ea",
                  "101 0 $achi",
                  "200 1 $a活着$f余华著",
                  "205   $a第2版",
                  "210   $c作家出版社$d2012.8",
                  "215   $a191页$d20cm",
                  "330   $a讲述了福贵的一生。",
                  "690   $aI247.5",
                  "700  0$a余华$4070",
                  "856 4 $uhttp://h/lpic/s1.jpg$zcover image",
              }),
              Composed("9787506365437", {LibraryRow(), CommunityRow()}, MarcFlavour::Unimarc));
    const std::string leader =
        ComposeBookRecord("9787506365437", {LibraryRow()}, nullptr, MarcFlavour::Marc21, MarcFlavour::Unimarc, kMade)
            .leader;
    EXPECT_EQ("nam0 22", leader.substr(5, 7));
    EXPECT_EQ("3  450 ", leader.substr(17));
}

TEST(BookMarcRecord, FixedDataFollowTheColumns)
{
    struct Case {
        const char* isbn;
        const char* title;
        const char* date;
        const char* tag;
        const char* field;
    } cases[] = {
        {"9787506365438", "活着", "2012", "020", "020   $z9787506365438"},
        {"0-446-31078-7", "活着", "2012", "020", "020   $z0446310787"},
        {"0-8044-2957-x", "活着", "2012", "001", "001 0-8044-2957-x"},
        {"0-8044-2957-x", "活着", "2012", "020", "020   $a080442957X"},
        {"9787506365437", "The mockingbird", "", "008", "008 240309nuuuu    xx ||||| |||||||| ||und d"},
        {"9787506365437", "活着", "二〇一二年", "008", "008 240309nuuuu    xx ||||| |||||||| ||chi d"},
        {"9787506365437", "活着", "2012年8月", "008", "008 240309s2012    xx ||||| |||||||| ||chi d"},
        {"9787506365437", "The mockingbird", "", "245", "245 04$aThe mockingbird."},
        {"9787506365437", "A mockingbird", "", "245", "245 02$aA mockingbird."},
        {"9787506365437", "An owl", "", "245", "245 03$aAn owl."},
        {"9787506365437", "\"The owl\"", "", "245", "245 05$a\"The owl\"."},
        {"9787506365437", "L'amour", "", "245", "245 02$aL'amour."},
        {"9787506365437", "Theory", "", "245", "245 00$aTheory."},
        {"9787506365437", "Why?", "", "245", "245 00$aWhy?."},
        {"9787506365437", "Etc...", "", "245", "245 00$aEtc..."},
        {"9787506365437", "", "", "245", "245 00$a[Untitled]."},
        {"9787506365437", "A to Z", "", "245", "245 00$aA to Z."},
        {"9787506365437", "Las Vegas", "", "245", "245 00$aLas Vegas."},
        {"9787506365437", "La vie", "", "245", "245 03$aLa vie."},
        {"9787506365437", "The \"Titanic\"", "", "245", "245 05$aThe \"Titanic\"."},
        {"9787506365437", "The", "", "245", "245 00$aThe."},
        {"9787506365437", "Die Verwandlung", "20080501", "245", "245 00$aDie Verwandlung."},  // "die": German only
        {"9787506365437", "Das Schloss", "", "245", "245 04$aDas Schloss."},
        {"9787506365437", "Eine kleine Nachtmusik", "", "245", "245 05$aEine kleine Nachtmusik."},
        {"9787506365437", "Los olvidados", "", "245", "245 04$aLos olvidados."},
        {"9787506365437", "Gli indifferenti", "", "245", "245 04$aGli indifferenti."},
        {"9787506365437", "Het Achterhuis", "", "245", "245 00$aHet Achterhuis."},  // Dutch only
        {"9787506365437", "活着", "20080501", "008", "008 240309s2008    xx ||||| |||||||| ||chi d"},
    };
    for (const Case& c : cases) {
        ResultFields row{};
        row[kTitle] = c.title;
        row[kPubDate] = c.date;
        EXPECT_EQ(c.field, FieldOf(Composed(c.isbn, {row}, MarcFlavour::Marc21), c.tag)) << c.isbn << " " << c.title;
    }
    ResultFields english{};
    english[kTitle] = "The mockingbird";
    EXPECT_EQ("100   $a20240309f        u  u0chiy50      ba",
              FieldOf(Composed("9787506365437", {english}, MarcFlavour::Unimarc), "100"));
}

TEST(BookMarcRecord, ReceivedRecordOfTheWantedFlavourIsTheBase)
{
    const MarcRecord marc21 = RecordFromLines({"001 ocm123", "020   $a9787506365437", "100 1 $aYu, Hua.",
                                               "245 10$aHuo zhe /$cYu Hua.", "650  0$aChina$vFiction."},
                                              "00000cam  2200000 i 4500");
    EXPECT_EQ((std::vector<std::string>{"001 ocm123", "005 20240309140559.0", "020   $a9787506365437$c20.00元",
                                        "100 1 $aYu, Hua.", "245 10$aHuo zhe /$cYu Hua.", "650  0$aChina$vFiction.",
                                        "856 42$3cover image$uhttp://h/lpic/s1.jpg"}),
              Composed("9787506365437", {LibraryRow(), CommunityRow()}, MarcFlavour::Marc21, &marc21));
    EXPECT_EQ("cam a22",
              ComposeBookRecord("x", {}, &marc21, MarcFlavour::Marc21, MarcFlavour::Marc21, kMade).leader.substr(5, 7));

    const MarcRecord unimarc =
        RecordFromLines({"001 cn1", "010   $dCNY25.00", "100   $a20110915d2011    em y0chiy0121    ea", "200 1 $a活着",
                         "856 4 $uhttp://library/cover.jpg"},
                        "00000nam0 2200000   450 ");
    EXPECT_EQ((std::vector<std::string>{"001 cn1", "005 20240309140559.0", "010   $dCNY25.00",
                                        "100   $a20110915d2011    em y0chiy50      ea", "200 1 $a活着",
                                        "856 4 $uhttp://library/cover.jpg"}),
              Composed("9787506365437", {CommunityRow()}, MarcFlavour::Unimarc, &unimarc, MarcFlavour::Unimarc));

    const MarcRecord bare = RecordFromLines({"001 cn2", "200 1 $a活着"}, "00000nam0 2200000   450 ");
    EXPECT_EQ((std::vector<std::string>{"001 cn2", "005 20240309140559.0", "010   $d20.00元",
                                        "100   $a20240309f        u  u0chiy50      ea", "200 1 $a活着",
                                        "856 4 $uhttp://h/lpic/s1.jpg$zcover image"}),
              Composed("9787506365437", {CommunityRow()}, MarcFlavour::Unimarc, &bare, MarcFlavour::Unimarc));
    const MarcRecord noCoding = RecordFromLines({"100   $bx", "200 1 $a活着", "210   $d2011"}, bare.leader);
    EXPECT_EQ("100   $a20240309d2011    u  u0chiy50      ea$bx",
              FieldOf(Composed("", {}, MarcFlavour::Unimarc, &noCoding, MarcFlavour::Unimarc), "100"));
}

TEST(BookMarcRecord, ReceivedRecordOfTheOtherFlavourIsRebuiltWithItsValuesFirst)
{
    const MarcRecord unimarc =
        RecordFromLines({"001 cn1", "200 1 $a活着$e长篇小说$f余华著", "210   $c作家出版社,$d2011", "690   $aI247.57"},
                        "00000nam0 2200000   450 ");
    const std::vector<std::string> lines =
        Composed("9787506365437", {LibraryRow(), CommunityRow()}, MarcFlavour::Marc21, &unimarc, MarcFlavour::Unimarc);
    EXPECT_EQ("001 9787506365437", lines.front());
    EXPECT_EQ("084   $aI247.57$2clc", FieldOf(lines, "084"));
    EXPECT_EQ("245 10$a活着 : 长篇小说 /$c余华著.", FieldOf(lines, "245"));
    EXPECT_EQ("264  1$b作家出版社,$c2011", FieldOf(lines, "264"));
    EXPECT_EQ("300   $a191页 ;$c20cm", FieldOf(lines, "300"));
    EXPECT_EQ("", FieldOf(lines, "690"));
}

TEST(BookMarcRecord, PublicationYear)
{
    const char* const cases[][2] = {
        {"2008", "2008"},    {"20080501", "2008"}, {"200805", "2008"}, {"2008年5月1日", "2008"}, {"2008-6", "2008"},
        {"1996.12", "1996"}, {"12345678", ""},     {"二〇〇八年", ""}, {"31/12/2008", "2008"},   {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], PublicationYear(c[0])) << c[0];
}

// Web values as the fields of each flavour hold them: access points, full stops kept, no ISBD marks at
// UNIMARC's subfield ends, the price never on a cancelled ISBN, no link without a file, no value or name of
// marks alone.
TEST(BookMarcRecord, ComposedFields)
{
    ResultFields row{};
    row[kTitle] = "The mythical man-month";
    row[kAuthor] = "(美) Frederick P. Brooks, Jr. 著 / 汪颖 译";
    row[kPublisher] = "Oxford Univ. Pr.";
    row[kPubDate] = "1995";
    row[kEdition] = "Anniversary ed.";
    row[kPages] = "322";
    row[kPrice] = "USD29.95";
    row[kCoverUrl] = "http://h/lpic/";
    struct Case {
        const char* isbn;
        MarcFlavour flavour;
        const char* tag;
        const char* fields;
        // One value changed from the row's.
        std::size_t slot = kCoverUrl;
        const char* value = "http://h/lpic/";
    } cases[] = {
        {"9780201835953", MarcFlavour::Marc21, "100", "100 1 $aBrooks, Frederick P.,$cJr."},
        {"9780201835953", MarcFlavour::Marc21, "700", "700 0 $a汪颖,$etranslator."},
        {"9780201835953", MarcFlavour::Marc21, "245",
         "245 14$aThe mythical man-month /$c(美) Frederick P. Brooks, Jr. 著 / 汪颖 译."},
        {"9780201835953", MarcFlavour::Marc21, "250", "250   $aAnniversary ed."},
        {"9780201835953", MarcFlavour::Marc21, "264", "264  1$bOxford Univ. Pr.,$c1995"},
        {"9780201835953", MarcFlavour::Marc21, "020", "020   $a9780201835953$cUSD29.95"},
        {"9780201835954", MarcFlavour::Marc21, "020", "020   $z9780201835954 | 020   $cUSD29.95"},
        {"9780201835953", MarcFlavour::Marc21, "856", ""},
        {"9780201835953", MarcFlavour::Unimarc, "010", "010   $a978-0-201-83595-3$dUSD29.95"},
        {"9780201835953", MarcFlavour::Unimarc, "101", "101 1 $aund"},
        {"9780201835953", MarcFlavour::Unimarc, "200",
         "200 1 $aThe mythical man-month$f(美) Frederick P. Brooks, Jr. 著 / 汪颖 译"},
        {"9780201835953", MarcFlavour::Unimarc, "210", "210   $cOxford Univ. Pr.$d1995"},
        {"9780201835953", MarcFlavour::Unimarc, "700", "700  1$aBrooks$bFrederick P.$cJr.$4070"},
        {"9780201835953", MarcFlavour::Unimarc, "702", "702  0$a汪颖$4730"},
        {"9780201835953", MarcFlavour::Unimarc, "856", ""},
        {"9780201835953", MarcFlavour::Unimarc, "856", "", kCoverUrl, "http://h/lpic/."},
        {"9780201835953", MarcFlavour::Unimarc, "200", "200 1 $a[Untitled]$f(美) Frederick P. Brooks, Jr. 著 / 汪颖 译",
         kTitle, ",."},
        {"9780201835953", MarcFlavour::Marc21, "700", "", kAuthor, "汪颖 / ,."},
    };
    for (const Case& c : cases) {
        ResultFields values = row;
        values[c.slot] = c.value;
        EXPECT_EQ(c.fields, FieldsOf(Composed(c.isbn, {values}, c.flavour), c.tag)) << c.tag << " " << c.value;
    }
    const MarcRecord composed =
        ComposeBookRecord("9780201835953", {row}, nullptr, MarcFlavour::Marc21, MarcFlavour::Marc21, kMade);
    EXPECT_EQ("7i", composed.leader.substr(17, 2));
}

// A received record keeps its leader and its other links; 005 tells when we changed it.
TEST(BookMarcRecord, ReceivedRecordMergedWithTheRows)
{
    const MarcRecord toc =
        RecordFromLines({"001 ocm9", "005 19990101000000.0", "020   $z9787506365438", "020   $a9787506365437",
                         "245 00$aHuo zhe.", "856 42$3Table of contents$uhttp://lib/toc.html"},
                        "00000cam  2200000 i 4500");
    const std::vector<std::string> lines = Composed("x", {CommunityRow()}, MarcFlavour::Marc21, &toc);
    EXPECT_EQ("005 20240309140559.0", FieldOf(lines, "005"));
    EXPECT_EQ("020   $z9787506365438 | 020   $a9787506365437$c20.00元", FieldsOf(lines, "020"));
    EXPECT_EQ("856 42$3Table of contents$uhttp://lib/toc.html | 856 42$3cover image$uhttp://h/lpic/s1.jpg",
              FieldsOf(lines, "856"));
    EXPECT_EQ(' ', ComposeBookRecord("x", {}, &toc, MarcFlavour::Marc21, MarcFlavour::Marc21, kMade).leader[17]);
    const MarcRecord complete =
        RecordFromLines({"001 ocm9", "005 19990101000000.0", "245 00$aHuo zhe."}, "00000cam a2200000 i 4500");
    EXPECT_EQ("005 19990101000000.0", FieldOf(Composed("x", {}, MarcFlavour::Marc21, &complete), "005"));
}

// Language, country, type of date and the subsequent statements survive a rebuild in the other flavour.
TEST(BookMarcRecord, CodedDataSurviveARebuild)
{
    const MarcRecord marc21 = RecordFromLines(
        {"008 990101r20082001gw ||||| |||||||| ||ger d", "245 10$aDer Prozess /$cFranz Kafka ; 张三 译."},
        "00000cam a2200000 i 4500");
    const std::vector<std::string> unimarc = Composed("", {}, MarcFlavour::Unimarc, &marc21, MarcFlavour::Marc21);
    EXPECT_EQ("100   $a20240309e2008    u  u0chiy50      ba", FieldOf(unimarc, "100"));
    EXPECT_EQ("101 1 $ager", FieldOf(unimarc, "101"));
    EXPECT_EQ("102   $aDE", FieldOf(unimarc, "102"));

    const MarcRecord cnmarc = RecordFromLines({"100   $a20110915e2011    em y0chiy0121    ba", "101 1 $aeng",
                                               "102   $aUS", "200 1 $aHamlet$fWilliam Shakespeare$g朱生豪译$g吴兴华校"},
                                              "00000nam0 2200000   450 ");
    const std::vector<std::string> marc = Composed("", {}, MarcFlavour::Marc21, &cnmarc, MarcFlavour::Unimarc);
    EXPECT_EQ("008 240309r2011    xxu||||| |||||||| ||eng d", FieldOf(marc, "008"));
    EXPECT_EQ("245 10$aHamlet /$cWilliam Shakespeare ; 朱生豪译 ; 吴兴华校.", FieldOf(marc, "245"));
    const MarcRecord german = RecordFromLines({"101 0 $ager", "200 1 $aDie Welt"}, cnmarc.leader);
    EXPECT_EQ("245 04$aDie Welt.",
              FieldOf(Composed("", {}, MarcFlavour::Marc21, &german, MarcFlavour::Unimarc), "245"));
}

// An oversize record loses its notes whole from the end before any other value is cut.
TEST(BookMarcRecord, OversizeRecordDropsNotesFirst)
{
    std::vector<std::string> lines = {"001 big", "245 00$aBig."};
    for (int note = 0; note < 12; ++note)
        lines.push_back("500   $a" + std::to_string(note) + std::string(9000, 'x'));
    lines.push_back("650  0$aNotes.");
    const MarcRecord big = RecordFromLines(lines, "00000cam a2200000 i 4500");
    const std::vector<std::string> written = Composed("", {}, MarcFlavour::Marc21, &big);
    const std::string notes = FieldsOf(written, "500");
    EXPECT_NE(std::string::npos, notes.find("$a10x"));
    EXPECT_EQ(std::string::npos, notes.find("$a11x"));
    for (const std::string& line : written)
        if (line.compare(0, 3, "500") == 0)
            EXPECT_EQ(std::string(9000, 'x'), line.substr(line.find('x'))) << line.substr(0, 12);
    EXPECT_EQ("650  0$aNotes.", FieldOf(written, "650"));
}
