#include <gtest/gtest.h>

#include "MarcLines.h"
#include "marc/MarcColumns.h"
#include "marc/MarcText.h"

namespace {

struct ColumnCase {
    std::vector<std::string> lines;
    Slot slot;
    const char* value;
};

void ExpectColumns(MarcFlavour flavour, const std::vector<ColumnCase>& cases)
{
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.lines.empty() ? std::string("no fields") : c.lines.front());
        EXPECT_EQ(c.value, MarcColumnValues(RecordFromLines(c.lines), flavour)[c.slot]);
    }
}

}

TEST(MarcColumns, Marc21FieldsAndTheirFallbacks)
{
    ExpectColumns(
        MarcFlavour::Marc21,
        {
            {{"084   $aK825$2ddc", "084   $aI247.5$2clc"}, kClassNumber, "I247.5"},
            {{"084   $aK825$2ddc", "050 00$aPL2928"}, kClassNumber, "K825"},
            {{"050 00$aPL2928.H78$bH78 2011", "082 04$a895.1"}, kClassNumber, "PL2928.H78"},
            {{"082 04$a895.1"}, kClassNumber, "895.1"},
            {{"245 10$aHuo zhe :$bchang pian xiao shuo /$cYu Hua zhu."}, kTitle, "Huo zhe : chang pian xiao shuo"},
            {{"245 10$aHuo zhe /$cYu Hua zhu."}, kTitle, "Huo zhe"},
            {{"245 10$aHuo zhe /$cYu Hua zhu.", "100 1 $aYu, Hua,"}, kAuthor, "Yu Hua zhu"},
            {{"100 1 $aYu, Hua,$d1960-", "245 10$aHuo zhe.", "700 1 $aLi, Si.", "700 1 $aWang Wu"},
             kAuthor,
             "Yu, Hua ; Li, Si ; Wang Wu"},
            {{"260   $bOld Press,", "264  1$aBeijing :$bZuo jia,$c2011."}, kPublisher, "Zuo jia"},
            {{"264  4$c©2011", "260   $aBeijing :$bZuo jia,$c2005."}, kPublisher, "Zuo jia"},
            {{"264  1$bZuo jia,$c2011.", "260   $c2005."}, kPubDate, "2011"},
            {{"260   $aBeijing :$bZuo jia,$c2005."}, kPubDate, "2005"},
            {{"300   $a191 p. ;$c21 cm."}, kPages, "191 p"},
            {{"300   $a191 p. ;$c21 cm."}, kFormat, "21 cm"},
            {{"250   $a2nd ed."}, kEdition, "2nd ed"},
            {{"020   $a9787506365437", "020   $a9787506365438$cCNY20.00"}, kPrice, "CNY20.00"},
            {{"856 42$3cover image$uhttp://h/lpic/s1.jpg"}, kCoverUrl, "http://h/lpic/s1.jpg"},
            {{"520   $aA life...", "520   $aSecond."}, kIntro, "A life..."},
            {{"245 10$a活着 =$bTo live /$c余华著."}, kTitle, "活着 : To live"},
            {{"245 10$aHuo zhe :$b/"}, kTitle, "Huo zhe"},
            {{"690   $aI247.5"}, kClassNumber, ""},
            {{}, kTitle, ""},
        });
}

TEST(MarcColumns, UnimarcFieldsAndTheirFallbacks)
{
    ExpectColumns(MarcFlavour::Unimarc,
                  {
                      {{"690   $aI247.57$v5", "084   $aK825"}, kClassNumber, "I247.57"},
                      {{"200 1 $a活着$e长篇小说$f余华著"}, kTitle, "活着 : 长篇小说"},
                      {{"200 1 $a活着 /$f余华著"}, kAuthor, "余华著"},
                      {{"200 1 $a活着", "701  0$a余华$4著", "702  0$a白烨$4评"}, kAuthor, "余华 ; 白烨"},
                      {{"210   $a北京 :$c作家出版社,$d2011"}, kPublisher, "作家出版社"},
                      {{"210   $a北京 :$c作家出版社,$d2011"}, kPubDate, "2011"},
                      {{"215   $a191页 ;$d21cm"}, kPages, "191页"},
                      {{"215   $a191页 ;$d21cm"}, kFormat, "21cm"},
                      {{"205   $a第2版"}, kEdition, "第2版"},
                      {{"010   $a978-7-5063-6543-7$dCNY20.00"}, kPrice, "CNY20.00"},
                      {{"856 4 $uhttp://h/lpic/s1.jpg"}, kCoverUrl, "http://h/lpic/s1.jpg"},
                      {{"330   $a讲述了福贵的一生。"}, kIntro, "讲述了福贵的一生。"},
                      {{"245 10$aHuo zhe."}, kTitle, ""},
                  });
}

TEST(MarcText, IsbdEndPunctuationIsStrippedAndTheRestKept)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Title /", "Title"},
        {"Title :", "Title"},
        {"Title ;", "Title"},
        {"Title =", "Title"},
        {"Yu, Hua,", "Yu, Hua"},
        {"2nd ed.", "2nd ed"},
        {"Why?.", "Why?"},
        {"Title / :", "Title"},
        {"Title. /", "Title"},
        {"  lead and trail  ", "lead and trail"},
        {"A life...", "A life..."},
        {"set off .", "set off ."},
        {".", "."},
        {"a/b", "a/b"},
        {"x =y", "x =y"},
        {"3.5", "3.5"},
        {"C++", "C++"},
        {"余华著.", "余华著"},
        {"余华著。", "余华著。"},
        {"", ""},
        {" /", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, MarcValue(c.first)) << c.first;
}

TEST(MarcText, ControlCharactersAndBrokenUtf8AreDropped)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\x1d"
         "b\x1e"
         "c\x1f"
         "d\x7f"
         "e\x01",
         "abcde"},
        {"line\r\nnext\ttab\rx", "line next tab x"},
        {"\xe6\xb4\xbb\xe7\x9d", "\xe6\xb4\xbb"},  // a character cut off at the end
        {"a\xff"
         "b\xc0\xaf"
         "c",
         "abc"},  // stray and overlong bytes
        {"a\xed\xa0\x80"
         "b\xef\xbf\xbe"
         "c",
         "abc"},  // a surrogate, U+FFFE
        {"\xf0\xa0\x80\x80 \xe2\x82\xac", "\xf0\xa0\x80\x80 \xe2\x82\xac"},
        {"\xf4\x90\x80\x80", ""},  // above U+10FFFF
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, CleanMarcText(c.first)) << c.first;
}

TEST(MarcText, InitialsAreClosedUp)
{
    const std::pair<const char*, const char*> cases[] = {
        {"J. R. R. Tolkien", "J.R.R. Tolkien"},
        {"[英] J. K.  罗琳", "[英] J.K.  罗琳"},
        {"T. S. Eliot ; E. Pound", "T.S. Eliot ; E. Pound"},
        {"Dr. A. Smith", "Dr. A. Smith"},
        {"A. Smith", "A. Smith"},
        {"Smith, J. R", "Smith, J.R"},
        {"J. Ro", "J. Ro"},
        {"St. Ed. A", "St. Ed. A"},
        {"余华 著", "余华 著"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, CloseUpInitials(c.first)) << c.first;
}

TEST(MarcText, CutsFallOnCharacterBoundaries)
{
    const std::string text = "a\xe6\xb4\xbb\xf0\xa0\x80\x80";  // 1 + 3 + 4 bytes
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 4}, {7, 4}, {8, 8}, {99, 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, Utf8CutPoint(text, c.first)) << c.first;
}
