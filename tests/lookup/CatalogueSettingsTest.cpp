#include <gtest/gtest.h>

#include <map>

#include "lookup/CatalogueSettings.h"

namespace {

using Section = std::map<std::string, std::string>;

SourceConfig Read(const std::string& name, const Section& section)
{
    SourceConfig config;
    ReadCatalogueSection(
        name,
        [&](const std::string& key, std::string& value) {
            auto found = section.find(key);
            if (found == section.end())
                return false;
            value = found->second;
            return true;
        },
        config);
    return config;
}

TEST(CatalogueSettings, ASoundSectionBecomesACatalogue)
{
    SourceConfig config = Read("LoC", {{"protocol", "z3950            ; or sru"},
                                       {"address", "lx2.loc.gov:210/LCDB"},
                                       {"format", "unimarc"},
                                       {"charset", "GB2312"},
                                       {"index", "1007"},
                                       {"user", "me"},
                                       {"password", "secret ;x"},
                                       {"timeout", "25"}});
    ASSERT_EQ(1u, config.catalogues.size());
    EXPECT_TRUE(config.problems.empty());
    const CatalogueConfig& c = config.catalogues[0];
    EXPECT_EQ("LoC", c.name);
    EXPECT_EQ(CatalogueProtocol::Z3950, c.protocol);
    EXPECT_EQ("lx2.loc.gov:210/LCDB", c.address);
    EXPECT_EQ(MarcFlavour::Unimarc, c.format);
    EXPECT_EQ(MarcCharset::Gb2312, c.charset);
    EXPECT_EQ("1007", c.SearchIndex());
    EXPECT_EQ("me", c.user);
    EXPECT_EQ("secret", c.password);
    EXPECT_EQ(25, c.timeoutSeconds);

    SourceConfig sru = Read("Local", {{"protocol", "sru"}, {"address", "http://127.0.0.1:210/marc21"}});
    ASSERT_EQ(1u, sru.catalogues.size());
    EXPECT_EQ("bath.isbn", sru.catalogues[0].SearchIndex());
    EXPECT_EQ(10, sru.catalogues[0].timeoutSeconds);
}

TEST(CatalogueSettings, EachBadSettingIsNamedOnceAndItsCatalogueLeftOut)
{
    const Section good = {{"address", "host:210/DB"}};
    struct Case {
        const char* key;
        const char* value;
    } cases[] = {
        {"protocol", "http"},     {"address", "host/DB"}, {"address", "host:port/DB"}, {"address", "host:210/"},
        {"address", "host:0/DB"}, {"format", "marcxml"},  {"charset", "koi8-r"},       {"index", "bath.isbn"},
        {"timeout", "0"},         {"timeout", "ten"},     {"timeout", "99999"},
    };
    for (const Case& c : cases) {
        Section section = good;
        section[c.key] = c.value;
        SourceConfig config = Read("Bad", section);
        EXPECT_TRUE(config.catalogues.empty()) << c.key << "=" << c.value;
        ASSERT_EQ(1u, config.problems.size()) << c.key << "=" << c.value;
        EXPECT_EQ(0u, config.problems[0].find(std::string("[Catalogue Bad] ") + c.key + "=" + c.value))
            << config.problems[0];
    }
    SourceConfig twice = Read("Worse", {{"format", "x"}, {"charset", "y"}});
    EXPECT_EQ(3u, twice.problems.size());  // no address either
}

TEST(CatalogueSettings, SourcesComeInConfiguredOrder)
{
    SourceConfig config = Read("First", {{"address", "a:1/A"}});
    ReadCatalogueSection(
        "Second",
        [](const std::string& key, std::string& value) {
            value = key == "address" ? "b:2/B" : "";
            return true;
        },
        config);
    config.sruBase = "http://sru/db";
    config.z3950Address = "z:210/Z";
    std::vector<std::string> names;
    for (const CatalogueConfig& c : ConfiguredCatalogues(config))
        names.push_back(c.name);
    EXPECT_EQ((std::vector<std::string>{"sru", "z3950", "First", "Second"}), names);

    std::string name;
    EXPECT_TRUE(CatalogueSectionName("Catalogue LoC", &name));
    EXPECT_EQ("LoC", name);
    EXPECT_FALSE(CatalogueSectionName("Catalogue ", &name));
    EXPECT_FALSE(CatalogueSectionName("Sources", &name));
}

}
