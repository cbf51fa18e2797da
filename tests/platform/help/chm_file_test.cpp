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

} // namespace

// Pages are named as the contents name them, links as the web view asks for them.
TEST(BuiltGuide, EveryPageIsReadWholeAndEveryLinkLeadsToAnObjectOfTheFile)
{
    ChmFile file;
    ASSERT_TRUE(file.Open("help.chm"));
    std::string sitemap;
    ASSERT_TRUE(file.Read(file.ContentsFile(), sitemap));
    std::vector<std::string> pages;
    AddPages(ParseSitemap(sitemap), pages);
    EXPECT_GE(pages.size(), 10u);
    std::string text;
    for (const std::string& local : pages) {
        std::string page;
        ASSERT_TRUE(file.Read(local, page)) << local;
        EXPECT_EQ(page.substr(page.size() - 8), "</html>\n") << local;
        text += page;
    }

    std::set<std::string> targets;
    for (std::size_t at = text.find("href=\""); at != std::string::npos; at = text.find("href=\"", at + 1)) {
        std::size_t start = at + 6;
        targets.insert(text.substr(start, text.find('"', start) - start));
    }
    ASSERT_GT(targets.size(), 5u);
    std::string object;
    for (const std::string& target : targets)
        EXPECT_TRUE(file.Read("/" + target, object)) << target;
    EXPECT_FALSE(file.Read("/no-such-page.html", object));
}
