#include <gtest/gtest.h>

#include "MarcLines.h"
#include "marc/Iso2709.h"
#include "marc/MarcXml.h"

namespace {

// Leader, directory (tag, length, start), fields, record end.
const std::string kSmall = std::string("00058nam a2200049   4500") + "001000200000" + "245000600002" + "\x1e" +
                           "x\x1e" +
                           "00\x1f"
                           "aT\x1e" +
                           "\x1d";

MarcRecord Small()
{
    return RecordFromLines({"001 x", "245 00$aT"});
}

std::size_t LongestField(const std::string& bytes)
{
    MarcRecord record;
    EXPECT_TRUE(ReadIso2709(bytes, record));
    std::size_t longest = 0;
    for (const MarcField& field : record.fields) {
        std::size_t length = 1 + (field.IsControl() ? field.data.size() : 2);
        for (const MarcSubfield& subfield : field.subfields)
            length += 2 + subfield.value.size();
        longest = std::max(longest, length);
    }
    return longest;
}

}

TEST(Iso2709, WritesLeaderDirectoryAndFieldsAndReadsThemBack)
{
    MarcRecord record = Small();
    FitIso2709(record);
    EXPECT_EQ("00058nam a2200049   4500", record.leader);
    ASSERT_EQ(kSmall, WriteIso2709(record));
    MarcRecord read;
    ASSERT_TRUE(ReadIso2709(kSmall, read));
    EXPECT_EQ(record.leader, read.leader);
    EXPECT_EQ(LinesOf(record), LinesOf(read));
}

TEST(Iso2709, MalformedRecordsAreRefused)
{
    const auto with = [](std::size_t at, const std::string& bytes) {
        return std::string(kSmall).replace(at, bytes.size(), bytes);
    };
    const std::string cases[] = {
        "",
        kSmall.substr(0, 30),
        kSmall.substr(0, kSmall.size() - 1),  // length says more
        with(57, "\x1e"),                     // no record end
        with(0, "0005x"),                     // length not a number
        with(10, "3"),                        // three indicators
        with(12, "00060"),                    // base address past the data
        with(12, "00048"),                    // base address inside the directory
        with(20, "0"),                        // no length digits
        with(39, "0009"),                     // field past the data
        with(27, "0001"),                     // field does not end at a field end
        with(53, "\x1f\x1f"),                 // subfield without a code
        with(52, "\x1e"
                 "0"),                                 // a field end inside a field
        with(39, "0002").replace(51, 3, "0\x1e\x1f"),  // data field of one indicator
    };
    MarcRecord record;
    ASSERT_TRUE(ReadIso2709(kSmall, record));
    for (const std::string& bytes : cases) {
        MarcRecord untouched = Small();
        EXPECT_FALSE(ReadIso2709(bytes, untouched)) << testing::PrintToString(bytes);
        EXPECT_EQ(LinesOf(Small()), LinesOf(untouched));
    }
}

TEST(Iso2709, LeaderWithoutImplementationLengthIsRead)
{
    MarcRecord record;
    EXPECT_TRUE(ReadIso2709(std::string(kSmall).replace(22, 1, " "), record));
    EXPECT_EQ(2u, record.fields.size());
}

TEST(Iso2709, FittingCleansAndCutsAtCharacterBoundaries)
{
    std::string han;
    while (han.size() < 30000)
        han += "\xe6\xb4\xbb";
    MarcRecord record = RecordFromLines({"001 a\x1e"
                                         "b",
                                         "24\x01 00$aT",
                                         "245 \x01"
                                         "0$aT\x1f"
                                         "x$\x01y$ b",
                                         "520   $a" + han});
    record.leader = "01234nam";
    FitIso2709(record);
    EXPECT_EQ(24u, record.leader.size());
    EXPECT_EQ("nam", record.leader.substr(5, 3));
    EXPECT_EQ((std::vector<std::string>{"001 ab", "245  0$aTx"}),
              (std::vector<std::string>{LinesOf(record)[0], LinesOf(record)[1]}));
    const std::string& intro = record.fields[2].subfields[0].value;
    EXPECT_EQ(9993u, intro.size());  // 9,999 less indicators, mark, code and field end, in whole characters
    const std::string bytes = WriteIso2709(record);
    EXPECT_LE(LongestField(bytes), kIso2709MaxField);
    EXPECT_EQ(std::to_string(bytes.size()), record.leader.substr(0, 5));
}

TEST(Iso2709, LongRecordsAreCutToTheRecordLimit)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 30; ++i)
        lines.push_back("500   $a" + std::string(9000, 'a' + i % 26));
    MarcRecord record = RecordFromLines(lines);
    FitIso2709(record);
    const std::string bytes = WriteIso2709(record);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(kIso2709MaxRecord, bytes.size());
    EXPECT_EQ(30u, record.fields.size());
}

TEST(Iso2709, UnfittedRecordsAreNotWritten)
{
    const MarcRecord cases[] = {
        RecordFromLines({"245 00$aT\x1e"}),
        RecordFromLines({"520   $a" + std::string(kIso2709MaxField, 'x')}),
        RecordFromLines({"245 00$aT"}, "short leader"),
        RecordFromLines({"2x  00$aT"}),
    };
    for (const MarcRecord& record : cases)
        EXPECT_EQ("", WriteIso2709(record)) << LinesOf(record).front();
}

TEST(MarcXml, RecordsInTheSlimSchemaWithMarkupEscaped)
{
    MarcRecord record = RecordFromLines({"001 a<b", "245 00$aR&D \"x\" >"});
    FitIso2709(record);
    EXPECT_EQ("<record>\n"
              "  <leader>00068nam a2200049   4500</leader>\n"
              "  <controlfield tag=\"001\">a&lt;b</controlfield>\n"
              "  <datafield tag=\"245\" ind1=\"0\" ind2=\"0\">\n"
              "    <subfield code=\"a\">R&amp;D &quot;x&quot; &gt;</subfield>\n"
              "  </datafield>\n"
              "</record>\n",
              MarcXmlRecord(record));
    EXPECT_NE(std::string::npos, MarcXmlHeader().find("<collection xmlns=\"http://www.loc.gov/MARC21/slim\">"));
    EXPECT_EQ("</collection>\n", MarcXmlFooter());
}
