#include "menu/MenuTemplate.h"

#include <gtest/gtest.h>

#include "MenuTemplateBytes.h"

namespace {

// &File (Open\tCtrl+O, separator, Recent (One, Two)), &Help (About): Two
// ends Recent and File, About ends Help and the top level.
std::vector<unsigned char> NestedTemplate()
{
    TemplateBytes t;
    t.Header(0, 0);
    t.Popup(0, u"&File");
    t.Item(0, 101, u"&Open\tCtrl+O");
    t.Item(0, 0, u"");
    t.Popup(kTemplateEnd, u"Recent");
    t.Item(0, 201, u"One");
    t.Item(kTemplateEnd, 202, u"Two");
    t.Popup(kTemplateEnd, u"&Help");
    t.Item(kTemplateEnd, 301, u"About");
    return t.bytes;
}

}  // namespace

TEST(MenuTemplate, NestedLevelsCloseWithTheirLastItems)
{
    std::vector<unsigned char> data = NestedTemplate();
    std::vector<MenuTemplateItem> items;
    ASSERT_TRUE(ParseMenuTemplate(data.data(), data.size(), items));
    ASSERT_EQ(8u, items.size());
    EXPECT_EQ(u"&Open\tCtrl+O", items[1].text);
    EXPECT_EQ(101, items[1].commandId);
    EXPECT_EQ(0, items[3].commandId);
    const int closes[] = {0, 0, 0, 0, 0, 2, 0, 2};
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(closes[i], items[i].closesLevels) << i;
}

TEST(MenuTemplate, HeaderOffsetIsSkipped)
{
    TemplateBytes t;
    t.Header(0, 4);
    t.Word(0xFFFF);
    t.Word(0xFFFF);
    t.Item(kTemplateEnd, 7, u"Only");
    std::vector<MenuTemplateItem> items;
    ASSERT_TRUE(ParseMenuTemplate(t.bytes.data(), t.bytes.size(), items));
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ(u"Only", items[0].text);
}

TEST(MenuTemplate, TruncationsOtherVersionsAndWildOffsetsFail)
{
    std::vector<unsigned char> data = NestedTemplate();
    std::vector<MenuTemplateItem> items;
    for (std::size_t size = 0; size < data.size(); ++size) {
        std::vector<unsigned char> cut(data.begin(), data.begin() + size);
        items.assign(1, MenuTemplateItem{});
        EXPECT_FALSE(ParseMenuTemplate(cut.data(), cut.size(), items)) << size;
        EXPECT_TRUE(items.empty());
    }
    data[0] = 1;  // extended template
    EXPECT_FALSE(ParseMenuTemplate(data.data(), data.size(), items));
    data[0] = 0;
    data[2] = 0xFF;  // first item past the end
    EXPECT_FALSE(ParseMenuTemplate(data.data(), data.size(), items));
    EXPECT_FALSE(ParseMenuTemplate(nullptr, 100, items));
}
