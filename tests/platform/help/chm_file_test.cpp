#include "platform/help/chm_file.h"

#include "platform/help/chm_contents.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>

namespace {

// The guide built into help.chm beside the tests, as its contents file lists it.
struct ExpectedTopic {
    int depth;
    std::string name;
    std::string local;
};

const std::vector<ExpectedTopic> GuideContents = {
    {0, "Welcome to Quillory", "index.html"},
    {0, "Making puzzles", "puzzles.html"},
    {1, "Crossword puzzles", "crossword.html"},
    {1, "Word search puzzles", "wordsearch.html"},
    {1, "Word scrambles", "scramble.html"},
    {1, "Bingo cards", "bingo.html"},
    {0, "Word lists & word list files", "wordlists.html"},
    {0, "Showing solutions", "solutions.html"},
    {0, "Printing", "printing.html"},
    {0, "Saving and opening puzzles", "files.html"},
};

void Flatten(const std::vector<ChmTopic>& topics, int depth, std::vector<ExpectedTopic>& out)
{
    for (const ChmTopic& topic : topics) {
        out.push_back({depth, topic.name, topic.local});
        Flatten(topic.children, depth + 1, out);
    }
}

std::vector<ExpectedTopic> ContentsOf(const ChmFile& file)
{
    std::string sitemap;
    EXPECT_TRUE(file.Read(file.ContentsFile(), sitemap));
    std::vector<ExpectedTopic> flat;
    Flatten(ParseSitemap(sitemap), 0, flat);
    return flat;
}

std::string GuideText(const ChmFile& file)
{
    std::string all;
    for (const ExpectedTopic& topic : GuideContents) {
        std::string page;
        EXPECT_TRUE(file.Read(topic.local, page)) << topic.local;
        all += page;
    }
    return all;
}

class BuiltGuide : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(file.Open("help.chm")); }
    ChmFile file;
};

} // namespace

TEST_F(BuiltGuide, NamesItsContentsFileDefaultPageAndTitle)
{
    EXPECT_EQ(file.ContentsFile(), "/contents.hhc");
    EXPECT_EQ(file.DefaultTopic(), "index.html");
    EXPECT_EQ(file.Title(), "Quillory Help");
}

TEST_F(BuiltGuide, ContentsListThePagesInOrderWithTheirTitles)
{
    std::vector<ExpectedTopic> contents = ContentsOf(file);
    ASSERT_EQ(contents.size(), GuideContents.size());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        EXPECT_EQ(contents[i].depth, GuideContents[i].depth) << i;
        EXPECT_EQ(contents[i].name, GuideContents[i].name) << i;
        EXPECT_EQ(contents[i].local, GuideContents[i].local) << i;
    }
}

TEST_F(BuiltGuide, PagesAreReadWholeFromTheFile)
{
    std::string page;
    ASSERT_TRUE(file.Read("/crossword.html", page));
    EXPECT_NE(page.find("<h1>Crossword puzzles</h1>"), std::string::npos);
    EXPECT_NE(page.find("Create crossword puzzle"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 8), "</html>\n");

    std::string sameWithoutSlash;
    ASSERT_TRUE(file.Read("crossword.html", sameWithoutSlash));
    EXPECT_EQ(sameWithoutSlash, page);

    std::string style;
    EXPECT_TRUE(file.Read("/style.css", style));
    EXPECT_FALSE(file.Read("/no-such-page.html", page));
}

// The guide must describe the program as it is: every label a teacher meets is named.
TEST_F(BuiltGuide, DescribesTheProgramsOwnLabels)
{
    std::string text = GuideText(file);
    for (const char* label :
         {"Crossword puzzle", "Word search puzzle", "Word scramble puzzle", "Bingo cards", "New...", "Open...",
          "Save...", "Print...", "Exit", "Documentation", "About...", "Use clues", "Load word list",
          "Save word list", "Done", "Cancel", "Title:", "Number of cards:", "Use free space", "Show solutions",
          "Edit word list", "Print Document", "Choose printer", "Number of copies", "Accept", ".qzl", ".lst",
          "Untitled Puzzle", "Unnamed file", "Create word search puzzle", "Create word scramble puzzle",
          "Create bingo cards"})
        EXPECT_NE(text.find(label), std::string::npos) << label;
}

TEST_F(BuiltGuide, EveryLinkBetweenPagesLeadsToAPageOfTheFile)
{
    std::string text = GuideText(file);
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

TEST(ChmFileOpening, FailsOnAMissingFile)
{
    ChmFile file;
    EXPECT_FALSE(file.Open("no-such-help.chm"));
    EXPECT_FALSE(file.IsOpen());
    std::string bytes;
    EXPECT_FALSE(file.Read("/index.html", bytes));
    EXPECT_EQ(file.ContentsFile(), "");
}

TEST(ChmFileOpening, FailsOnAFileThatIsNoHelpFile)
{
    const char* path = "not-a-help-file.chm";
    std::ofstream(path, std::ios::binary) << std::string(4096, 'x');
    ChmFile file;
    EXPECT_FALSE(file.Open(path));
    std::remove(path);
}

TEST(ChmFileOpening, ReopeningForgetsTheFileBefore)
{
    ChmFile file;
    ASSERT_TRUE(file.Open("help.chm"));
    EXPECT_FALSE(file.Open("no-such-help.chm"));
    EXPECT_EQ(file.Title(), "");
    std::string bytes;
    EXPECT_FALSE(file.Read("/index.html", bytes));
}
