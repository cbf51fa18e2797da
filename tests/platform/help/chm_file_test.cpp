#include "platform/help/chm_file.h"

#include "platform/help/chm_contents.h"

#include <gtest/gtest.h>

#include <set>

namespace {

void AddPages(const std::vector<ChmTopic>& topics, std::vector<std::string>& pages)
{
    for (const ChmTopic& topic : topics) {
        if (!topic.local.empty())
            pages.push_back(topic.local);
        AddPages(topic.children, pages);
    }
}

class BuiltGuide : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file.Open("help.chm")); }

    // Every page the contents name, one after the other.
    std::string GuideText() const
    {
        std::string sitemap;
        EXPECT_TRUE(file.Read(file.ContentsFile(), sitemap));
        std::vector<std::string> pages;
        AddPages(ParseSitemap(sitemap), pages);
        EXPECT_GE(pages.size(), 10u);
        std::string all;
        for (const std::string& local : pages) {
            std::string page;
            EXPECT_TRUE(file.Read(local, page)) << local;
            all += page;
        }
        return all;
    }

    ChmFile file;
};

} // namespace

TEST_F(BuiltGuide, PagesAreReadWholeFromTheFile)
{
    std::string page;
    ASSERT_TRUE(file.Read("/crossword.html", page));
    EXPECT_NE(page.find("<h1>Crossword puzzles</h1>"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");
    EXPECT_FALSE(file.Read("/no-such-page.html", page));
}

TEST_F(BuiltGuide, EveryLinkBetweenPagesLeadsToAPageOfTheFile)
{
    std::string text = GuideText();
    std::set<std::string> targets;
    for (std::size_t at = text.find("href=\""); at != std::string::npos; at = text.find("href=\"", at + 1)) {
        std::size_t start = at + 6;
        targets.insert(text.substr(start, text.find('"', start) - start));
    }
    ASSERT_GT(targets.size(), 5u);
    std::string object;
    for (const std::string& target : targets)
        EXPECT_TRUE(file.Read(target, object)) << target;
}
