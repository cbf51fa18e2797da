#include "platform/help/chm_contents.h"

#include <gtest/gtest.h>

namespace {

std::string Topic(const std::string& name, const std::string& local)
{
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}

} // namespace

TEST(Sitemap, NestedListsHangUnderTheEntryBeforeThem)
{
    std::string text = "<UL>" + Topic("A", "a.html") + "<UL>" + Topic("A1", "a1.html") + "<UL>" +
                       Topic("A1x", "x.html") + "</UL>" + Topic("A2", "a2.html") + "</UL>" + Topic("B", "b.html") +
                       "</UL>";
    std::vector<ChmTopic> topics = ParseSitemap(text);
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].name, "A");
    ASSERT_EQ(topics[0].children.size(), 2u);
    EXPECT_EQ(topics[0].children[0].local, "a1.html");
    ASSERT_EQ(topics[0].children[0].children.size(), 1u);
    EXPECT_EQ(topics[0].children[0].children[0].name, "A1x");
    EXPECT_EQ(topics[0].children[1].name, "A2");
    EXPECT_EQ(topics[1].name, "B");
    EXPECT_TRUE(topics[1].children.empty());
}

// Only the first name and the first page of an entry count.
TEST(Sitemap, ReadsTagsInAnyCaseAndAnyQuoting)
{
    std::string text = "<ul><li><object TYPE='Text/Sitemap'>\n\t<PARAM NAME=name VALUE='One two'>"
                       "<param value=\"one.html\" name=\"LOCAL\"><param name=Name value=Second>"
                       "<param name=Local value=second.html></Object></UL>";
    std::vector<ChmTopic> topics = ParseSitemap(text);
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_EQ(topics[0].name, "One two");
    EXPECT_EQ(topics[0].local, "one.html");
}

TEST(Sitemap, DecodesCharacterReferencesKeepingOtherBytes)
{
    std::string text = "<UL>" + Topic("Words &amp; lists &lt;1&gt; &quot;x&quot; &#233;t&#233; caf\xe9 &bogus; & so",
                                      "a&amp;b.html") +
                       "</UL>";
    std::vector<ChmTopic> topics = ParseSitemap(text);
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_EQ(topics[0].name, "Words & lists <1> \"x\" \xe9t\xe9 caf\xe9 &bogus; & so");
    EXPECT_EQ(topics[0].local, "a&b.html");
}

TEST(Sitemap, SkipsObjectsThatAreNoEntriesAndKeepsHeadingsWithoutPages)
{
    std::string text = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\"><OBJECT type=\"text/site properties\">"
                       "<param name=\"Name\" value=\"not an entry\"></OBJECT><UL><LI><OBJECT type=\"text/sitemap\">"
                       "<param name=\"Name\" value=\"Heading\"></OBJECT><UL>" +
                       Topic("Page", "page.html") + "</UL></UL>";
    std::vector<ChmTopic> topics = ParseSitemap(text);
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_EQ(topics[0].name, "Heading");
    EXPECT_EQ(topics[0].local, "");
    ASSERT_EQ(topics[0].children.size(), 1u);
    EXPECT_EQ(topics[0].children[0].name, "Page");
}

TEST(Sitemap, DamagedTextGivesWhatCouldBeRead)
{
    EXPECT_TRUE(ParseSitemap("").empty());
    EXPECT_TRUE(ParseSitemap("<").empty());
    EXPECT_TRUE(ParseSitemap("<param name=\"Name\" value=\"stray\">").empty());
    EXPECT_TRUE(ParseSitemap("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"cut").empty());

    std::vector<ChmTopic> unbalanced = ParseSitemap("</UL></UL>" + Topic("A", "a.html") + "<UL><UL><UL>" +
                                                    Topic("B", "b.html") + "<param name=Name value==x");
    ASSERT_EQ(unbalanced.size(), 1u);
    EXPECT_EQ(unbalanced[0].name, "A");
    ASSERT_EQ(unbalanced[0].children.size(), 1u);
    EXPECT_EQ(unbalanced[0].children[0].name, "B");
}
