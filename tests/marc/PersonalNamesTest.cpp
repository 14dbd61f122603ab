#include <gtest/gtest.h>

#include "marc/PersonalNames.h"

namespace {

const NameRole A = NameRole::Author, T = NameRole::Translator, E = NameRole::Editor;

// entry|rest|suffix, inverted, role of each name.
struct Expected {
    const char* name;
    bool inverted;
    NameRole role;
};

std::string Shown(const PersonalName& n)
{
    return n.entry + "|" + n.rest + "|" + n.suffix;
}

}

TEST(PersonalNames, SplitStrippedAndInverted)
{
    struct Case {
        const char* statement;
        std::vector<Expected> names;
    } cases[] = {
        {"余华著", {{"余华||", false, A}}},
        {"曹雪芹，高鹗著", {{"曹雪芹||", false, A}, {"高鹗||", false, A}}},
        {"曹雪芹著；高鹗续", {{"曹雪芹||", false, A}, {"高鹗||", false, A}}},
        {"(美) Frederick P. Brooks, Jr. 著 / 汪颖 译", {{"Brooks|Frederick P.|Jr.", true, A}, {"汪颖||", false, T}}},
        {"[英]狄更斯著；张三、李四译", {{"狄更斯||", false, A}, {"张三||", false, T}, {"李四||", false, T}}},
        {"王五 主编", {{"王五||", false, E}}},
        {"Alice Zhang, 李明著", {{"Zhang|Alice|", true, A}, {"李明||", false, A}}},
        {"赵六等编著", {{"赵六||", false, A}}},
        {"by Alice Zhang and Bob Li", {{"Zhang|Alice|", true, A}, {"Li|Bob|", true, A}}},
        {"edited by J.R.R. Tolkien; translated by Hu Shi", {{"Tolkien|J.R.R.|", true, E}, {"Shi|Hu|", true, T}}},
        {"Brooks, Frederick P.", {{"Brooks|Frederick P.|", true, A}}},
        {"Plato", {{"Plato||", false, A}}},
        {"Brian W. Kernighan, Dennis M. Ritchie", {{"Kernighan|Brian W.|", true, A}, {"Ritchie|Dennis M.|", true, A}}},
        {"(哥伦比亚)加西亚·马尔克斯著；范晔译", {{"加西亚·马尔克斯||", false, A}, {"范晔||", false, T}}},
        {"（日）村上春树 原著", {{"村上春树||", false, A}}},
        {"Kurt Gödel", {{"Gödel|Kurt|", true, A}}},
        {" ; / ", {}},
    };
    for (const Case& c : cases) {
        const std::vector<PersonalName> names = SplitPersonalNames(c.statement);
        ASSERT_EQ(c.names.size(), names.size()) << c.statement;
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(c.names[i].name, Shown(names[i])) << c.statement;
            EXPECT_EQ(c.names[i].inverted, names[i].inverted) << c.statement;
            EXPECT_EQ(c.names[i].role, names[i].role) << c.statement;
        }
    }
}
