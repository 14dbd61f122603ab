#include <gtest/gtest.h>

#include "lookup/Extraction.h"

namespace {

const std::string kTitleMarker = "<span property=\"v:itemreviewed\">";
const std::string kPagesMarker = "<span class=\"pl\">\xD2\xB3\xCA\xFD:";  // 页数:
const std::string kAuthorMarker = "<span class=\"pl\"> \xD7\xF7\xD5\xDF</span>:";
const std::string kIntroMarker = "<div class=\"intro\">";
const std::string kTail69(69, 'x');

TEST(ExtractAfterTags, TitleMarkerEndingInTagYieldsTextAlone)
{
    std::string page = "<html>" + kTitleMarker + "\xBA\xEC\xC2\xA5\xC3\xCE</span>";
    EXPECT_EQ("\xBA\xEC\xC2\xA5\xC3\xCE", ExtractAfterTags(page, kTitleMarker, 1));
}

TEST(ExtractAfterTags, LabelElementAndAuthorLink)
{
    std::string page = "<div>" + kPagesMarker + "</span> 256<br/>\r\n" + kAuthorMarker +
                       "\r\n        <a class=\"\" href=\"/a/1\">Kernighan</a> / <a href=\"/a/2\">Ritchie</a>";
    EXPECT_EQ(" 256", ExtractAfterTags(page, kPagesMarker, 2));
    EXPECT_EQ("Kernighan", ExtractAfterTags(page, kAuthorMarker, 3));
}

TEST(ExtractAfterTags, FirstOccurrenceOnlyAndMissingMarker)
{
    std::string page = "<b>x" + kTitleMarker + "one</span>" + kTitleMarker + "two</span>";
    EXPECT_EQ("one", ExtractAfterTags(page, kTitleMarker, 1));
    EXPECT_EQ("", ExtractAfterTags(page, "<span class=\"pl\">none", 2));
    EXPECT_EQ("", ExtractAfterTags("", kTitleMarker, 1));
}

TEST(ExtractAfterTags, ZeroStepsCountsAsOneAndEmptyValue)
{
    EXPECT_EQ("v", ExtractAfterTags("<a>v</a>", "<a>", 0));
    EXPECT_EQ("", ExtractAfterTags("<a></a>", "<a>", 1));
}

TEST(ExtractAfterTags, PageCutOffEndsAtEndOfText)
{
    EXPECT_EQ("", ExtractAfterTags("x" + kPagesMarker + "</span> 25", kPagesMarker, 2));
    EXPECT_EQ("", ExtractAfterTags("x" + kPagesMarker, kPagesMarker, 2));
    EXPECT_EQ("", ExtractAfterTags("x" + kAuthorMarker + " <a", kAuthorMarker, 3));
}

TEST(ExtractQuoted, SkipsExactlyTheMarker)
{
    std::string marker = "href=\"http://127.0.0.1:8936/lpic/";
    std::string page = "<a class=\"nbg\" " + marker + "s1234.jpg\" title=\"t\">";
    EXPECT_EQ("s1234.jpg", ExtractQuoted(page, marker));
    EXPECT_EQ("", ExtractQuoted("<a href=\"/x\">", marker));
    EXPECT_EQ("", ExtractQuoted("<a " + marker + "cut.jp", marker));
    EXPECT_EQ("", ExtractQuoted("<a " + marker, marker));
}

TEST(ExtractIntro, ParagraphsBecomeLinesAndTailIsDropped)
{
    std::string page = "x" + kIntroMarker + "<p>First.</p><p>Second.</p>" + kTail69 + "</div>";
    EXPECT_EQ("First.\r\nSecond.\r\n", ExtractIntro(page, kIntroMarker));
}

TEST(ExtractIntro, ShortBodyMissingEndAndOtherTags)
{
    EXPECT_EQ("", ExtractIntro(kIntroMarker + kTail69 + "</div>", kIntroMarker));
    EXPECT_EQ("", ExtractIntro(kIntroMarker + "<p>a</p></div>", kIntroMarker));
    EXPECT_EQ("", ExtractIntro(kIntroMarker + "<p>a</p>" + kTail69, kIntroMarker));
    EXPECT_EQ("", ExtractIntro("<div>none</div>", kIntroMarker));
    EXPECT_EQ("a<br/>b\r\n", ExtractIntro(kIntroMarker + "<p>a<br/>b</p>" + kTail69 + "</div>", kIntroMarker));
    EXPECT_EQ("y", ExtractIntro(kIntroMarker + "y" + kTail69 + "</div><div>" + kTail69 + "</div>", kIntroMarker));
}

TEST(ExtractIntro, CutInsideADoubleByteCharacterFallsBeforeIt)
{
    const std::string hong = "\xBA\xEC";  // 红
    const std::string tail68(68, 'x');
    const std::string end = "</div>";
    // The tail's first byte is the character's trail byte.
    EXPECT_EQ("a", ExtractIntro(kIntroMarker + "a\xBA" + "\xEC" + tail68 + end, kIntroMarker));
    EXPECT_EQ(hong, ExtractIntro(kIntroMarker + hong + "\xBA" + "\xEC" + tail68 + end, kIntroMarker));
    // On a character boundary nothing changes, even when the last trail byte
    // has a lead byte's value.
    EXPECT_EQ("a" + hong, ExtractIntro(kIntroMarker + "a" + hong + kTail69 + end, kIntroMarker));
    EXPECT_EQ("\xBA\xBA", ExtractIntro(kIntroMarker + "\xBA\xBA" + kTail69 + end, kIntroMarker));
}

TEST(ExportValues, TrimsEachSlotAndBlankBecomesEmpty)
{
    BookRecord record;
    record.slots[kTitle].value = " \r\n\t Title \v\f";
    record.slots[kAuthor].value = " \r\n  ";
    record.slots[kPages].value = "256";
    record.slots[kIntro].value = "\r\n    a\r\nb\r\n";
    ResultFields fields;
    fields.fill("stale");
    ExportValues(record, fields);
    EXPECT_EQ("Title", fields[kTitle]);
    EXPECT_EQ("", fields[kAuthor]);
    EXPECT_EQ("256", fields[kPages]);
    EXPECT_EQ("a\r\nb", fields[kIntro]);
    EXPECT_EQ("", fields[kClassNumber]);
    EXPECT_EQ("", fields[kCoverUrl]);
}

}
