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
                  "245 00$a活着 /$c余华著.",
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
                  "010   $a9787506365437$d20.00元",
                  "100   $a20240309d2012    u  u0chiy50      ea",
                  "101 0 $achi",
                  "200 1 $a活着 /$f余华著",
                  "205   $a第2版",
                  "210   $c作家出版社,$d2012.8",
                  "215   $a191页 ;$d20cm",
                  "330   $a讲述了福贵的一生。",
                  "690   $aI247.5",
                  "856 4 $uhttp://h/lpic/s1.jpg",
              }),
              Composed("9787506365437", {LibraryRow(), CommunityRow()}, MarcFlavour::Unimarc));
    const std::string leader =
        ComposeBookRecord("9787506365437", {LibraryRow()}, nullptr, MarcFlavour::Marc21, MarcFlavour::Unimarc, kMade)
            .leader;
    EXPECT_EQ("nam0 22", leader.substr(5, 7));
    EXPECT_EQ("   450 ", leader.substr(17));
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
    EXPECT_EQ((std::vector<std::string>{"001 ocm123", "020   $a9787506365437$c20.00元", "100 1 $aYu, Hua.",
                                        "245 10$aHuo zhe /$cYu Hua.", "650  0$aChina$vFiction.",
                                        "856 42$3cover image$uhttp://h/lpic/s1.jpg"}),
              Composed("9787506365437", {LibraryRow(), CommunityRow()}, MarcFlavour::Marc21, &marc21));
    EXPECT_EQ("cam a22",
              ComposeBookRecord("x", {}, &marc21, MarcFlavour::Marc21, MarcFlavour::Marc21, kMade).leader.substr(5, 7));

    const MarcRecord unimarc =
        RecordFromLines({"001 cn1", "010   $dCNY25.00", "100   $a20110915d2011    em y0chiy0121    ea", "200 1 $a活着",
                         "856 4 $uhttp://library/cover.jpg"},
                        "00000nam0 2200000   450 ");
    EXPECT_EQ((std::vector<std::string>{"001 cn1", "010   $dCNY25.00", "100   $a20110915d2011    em y0chiy50      ea",
                                        "200 1 $a活着", "856 4 $uhttp://library/cover.jpg"}),
              Composed("9787506365437", {CommunityRow()}, MarcFlavour::Unimarc, &unimarc, MarcFlavour::Unimarc));

    const MarcRecord bare = RecordFromLines({"001 cn2", "200 1 $a活着"}, "00000nam0 2200000   450 ");
    EXPECT_EQ((std::vector<std::string>{"001 cn2", "010   $d20.00元", "100   $a20240309f        u  u0chiy50      ea",
                                        "200 1 $a活着", "856 4 $uhttp://h/lpic/s1.jpg"}),
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
    EXPECT_EQ("245 00$a活着 : 长篇小说 /$c余华著.", FieldOf(lines, "245"));
    EXPECT_EQ("264  1$b作家出版社,$c2011", FieldOf(lines, "264"));
    EXPECT_EQ("300   $a191页 ;$c20cm", FieldOf(lines, "300"));
    EXPECT_EQ("", FieldOf(lines, "690"));
}
