#include <gtest/gtest.h>

#include "marc/IconvCodePages.h"
#include "marc/Iso2709.h"
#include "marc/ReceivedRecord.h"

namespace {

// A record as a catalogue sends it: the title's bytes in its own set and,
// for UNIMARC, 100 $a with the given coding at 26-27.
std::string Sent(MarcFlavour flavour, char leader9, const std::string& coding, const std::string& title)
{
    MarcRecord record;
    record.leader = "00000nam  2200000   4500";
    record.leader[9] = leader9;
    if (flavour == MarcFlavour::Unimarc)
        record.fields.push_back({"100", "", ' ', ' ', {{'a', "20240101d2004    k  y0chiy" + coding + "    ea"}}});
    record.fields.push_back({flavour == MarcFlavour::Marc21 ? "245" : "200", "", '1', '0', {{'a', title}}});
    return WriteIso2709(record);
}

std::string TitleOf(const MarcRecord& record)
{
    for (const MarcField& field : record.fields)
        if (field.tag == "245" || field.tag == "200")
            return field.subfields.at(0).value;
    return "(none)";
}

TEST(ReceivedRecord, EachCharsetMarkedOrConfiguredBecomesUtf8)
{
    const MarcFlavour m21 = MarcFlavour::Marc21, uni = MarcFlavour::Unimarc;
    struct Case {
        const char* name;
        MarcFlavour flavour;
        char leader9;
        const char* coding;  // UNIMARC 100 $a/26-27
        MarcCharset charset;
        std::string sent, kept;
    } cases[] = {
        {"utf-8 by leader", m21, 'a', "", MarcCharset::ByRecord, "Les mis\xC3\xA9rables", "Les mis\xC3\xA9rables"},
        // MARC-8 sends the combining mark before its letter; the kept record has it after.
        {"marc-8 by leader", m21, ' ', "", MarcCharset::ByRecord,
         "Les mis\xE2"
         "erables",
         "Les mise\xCC\x81rables"},
        {"marc-8 marked utf-8", m21, 'a', "", MarcCharset::ByRecord,
         "Les mis\xE2"
         "erables",
         "Les mise\xCC\x81rables"},
        {"latin-1 configured", m21, 'a', "", MarcCharset::Latin1, "Mis\xE9rables", "Mis\xC3\xA9rables"},
        {"configured wins over the mark", m21, ' ', "", MarcCharset::Utf8, "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        {"unimarc utf-8 by 100", uni, ' ', "50", MarcCharset::ByRecord, "\xE4\xB8\xAD\xE6\x96\x87",
         "\xE4\xB8\xAD\xE6\x96\x87"},
        {"unimarc iso 5426 by 100", uni, ' ', "01", MarcCharset::ByRecord,
         "caf\xC2"
         "e",
         "cafe\xCC\x81"},
        {"gb2312", uni, ' ', "01", MarcCharset::Gb2312, "\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87"},
        {"gbk beyond gb2312", uni, ' ', "50", MarcCharset::Gbk, "\x81\x40", "\xE4\xB8\x82"},
        {"gb18030 four bytes", uni, ' ', "", MarcCharset::Gb18030, "\x81\x30\x81\x30x", "\xC2\x80x"},
        // Never cut: the bad character alone is replaced.
        {"gbk bad byte", uni, ' ', "", MarcCharset::Gbk,
         "\xD6\xD0\xFF"
         "A\xCE\xC4",
         "\xE4\xB8\xAD\xEF\xBF\xBD"
         "A\xE6\x96\x87"},
        {"utf-8 configured, bad byte", m21, 'a', "", MarcCharset::Utf8,
         "ab\xFF"
         "cd",
         "ab\xEF\xBF\xBD"
         "cd"},
        {"gb lead byte at the end", uni, ' ', "", MarcCharset::Gb2312, "AB\xD6", "AB\xEF\xBF\xBD"},
    };
    IconvCodePages codePages;
    for (const Case& c : cases) {
        MarcRecord kept;
        ASSERT_TRUE(
            DecodeReceivedRecord(Sent(c.flavour, c.leader9, c.coding, c.sent), c.flavour, c.charset, codePages, kept))
            << c.name;
        EXPECT_EQ(c.kept, TitleOf(kept)) << c.name;
        if (c.flavour == m21) {
            EXPECT_EQ('a', kept.leader[9]) << c.name;
        } else {
            ASSERT_TRUE(kept.FirstTagged("100")) << c.name;
            EXPECT_EQ("50  ", kept.FirstTagged("100")->Subfield('a')->value.substr(26, 4)) << c.name;
        }
        // Its lengths are those of the UTF-8 bytes.
        MarcRecord again;
        EXPECT_TRUE(ReadIso2709(WriteIso2709(kept), again)) << c.name;
    }
}

TEST(ReceivedRecord, NotIso2709IsRefused)
{
    IconvCodePages codePages;
    MarcRecord kept;
    const std::string good = Sent(MarcFlavour::Marc21, 'a', "", "Title");
    for (const std::string& bytes : {std::string(), std::string("<record>not marc</record>"),
                                     good.substr(0, good.size() - 1), "99999" + good.substr(5)})
        EXPECT_FALSE(DecodeReceivedRecord(bytes, MarcFlavour::Marc21, MarcCharset::ByRecord, codePages, kept));
}

TEST(MarcCharset, NamesAsSettingsWriteThem)
{
    MarcCharset charset = MarcCharset::Utf8;
    EXPECT_TRUE(ParseMarcCharset("", charset));
    EXPECT_EQ(MarcCharset::ByRecord, charset);
    EXPECT_TRUE(ParseMarcCharset("MARC-8", charset));
    EXPECT_EQ(MarcCharset::Marc8, charset);
    EXPECT_TRUE(ParseMarcCharset("gb18030", charset));
    EXPECT_EQ(MarcCharset::Gb18030, charset);
    EXPECT_FALSE(ParseMarcCharset("koi8-r", charset));
    EXPECT_FALSE(ParseMarcCharset("utf8 ", charset));
}

}
