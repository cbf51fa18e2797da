#include "platform/help/chm_contents.h"

#include <gtest/gtest.h>

namespace {

std::string Topic(const std::string& name, const std::string& local)
{
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
           "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}

// The tree on one line: name=page, each entry's children in brackets after it.
std::string Outline(const std::vector<ChmTopic>& topics)
{
    std::string line;
    for (const ChmTopic& topic : topics) {
        line += (line.empty() ? "" : " ") + topic.name + "=" + topic.local;
        if (!topic.children.empty())
            line += " [" + Outline(topic.children) + "]";
    }
    return line;
}

} // namespace

TEST(Sitemap, ReadsTheEntriesIntoATree)
{
    const struct {
        std::string text;
        std::string outline;
    } cases[] = {
        // Nested lists hang under the entry before them.
        {"<UL>" + Topic("A", "a.html") + "<UL>" + Topic("A1", "a1.html") + "<UL>" + Topic("A1x", "x.html") + "</UL>" +
             Topic("A2", "a2.html") + "</UL>" + Topic("B", "b.html") + "</UL>",
         "A=a.html [A1=a1.html [A1x=x.html] A2=a2.html] B=b.html"},
        // Tags in any case and any quoting; only the first name and page of an entry count.
        {"<ul><li><object TYPE='Text/Sitemap'>\n\t<PARAM NAME=name VALUE='One two'><param value=\"one.html\" "
         "name=\"LOCAL\"><param name=Name value=Second><param name=Local value=second.html></Object></UL>",
         "One two=one.html"},
        // Character references are decoded, other bytes kept as they are.
        {"<UL>" + Topic("Words &amp; &lt;1&gt; &quot;x&quot; &#233;t&#233; caf\xe9 &bogus; & so", "a&amp;b.html"),
         "Words & <1> \"x\" \xe9t\xe9 caf\xe9 &bogus; & so=a&b.html"},
        // Objects that are no entries are skipped; headings without pages are kept.
        {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\"><OBJECT type=\"text/site properties\"><param "
         "name=\"Name\" value=\"not an entry\"></OBJECT><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
         "value=\"Heading\"></OBJECT><UL>" + Topic("Page", "page.html") + "</UL></UL>",
         "Heading= [Page=page.html]"},
        // Damaged text gives what could be read.
        {"", ""},
        {"<", ""},
        {"<param name=\"Name\" value=\"stray\">", ""},
        {"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"cut", ""},
        {"</UL></UL>" + Topic("A", "a.html") + "<UL><UL><UL>" + Topic("B", "b.html") + "<param name=Name value==x",
         "A=a.html [B=b.html]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outline(ParseSitemap(c.text)), c.outline) << c.text;
}
