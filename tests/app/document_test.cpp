#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "app/document_bounds.h"
#include "app/document_reader.h"
#include "app/puzzle_content.h"
#include "engine/alphabet.h"
#include "app/recording_puzzle.h"
#include "support/fresh_alphabet_test.h"
#include "support/required.h"
#include "support/temp_file.h"

namespace {

const char* const TwoByOneGrid = "+---+---+\n| a |XXX|\n+---+---+\n";

class DocumentTest : public FreshAlphabetTest {
protected:
    // Reads a document as the Open command does, minus the window.
    RecordingPuzzle& Read(const std::string& text)
    {
        DocumentReader reader;
        Require(reader.Parse(text), "the document does not parse: " + text);
        read_.push_back(std::make_unique<RecordingPuzzle>(reader.Type()));
        trace.str("");
        reader.ReadInto(*read_.back(), trace);
        return *read_.back();
    }
    std::ostringstream trace;

private:
    std::vector<std::unique_ptr<RecordingPuzzle>> read_;
};

TEST_F(DocumentTest, CrosswordWritesListTitleAndGridOnly)
{
    RecordingPuzzle puzzle(FreeformPuzzle);
    puzzle.wordList.AddWord("sun", "It is hot");
    puzzle.wordList.AddWord("moon", "");
    puzzle.title = "Sky";
    puzzle.grid.ReadAsciiGrid(TwoByOneGrid);
    EXPECT_EQ(puzzle.ToXml(),
              "<document type=\"freeform\">\n"
              "<wordlist>sun\tIt is hot\nmoon\t\n</wordlist>\n"
              "<title>Sky</title>\n"
              "<grid>+---+---+\n| a |XXX|\n+---+---+\n</grid>\n"
              "</document>");
}

TEST_F(DocumentTest, BingoSettingsFollowTheListWithoutLineEnd)
{
    RecordingPuzzle bingo(BingoPuzzle);
    bingo.freeSpace = true;
    bingo.numCards = 3;
    std::string text = bingo.ToXml();
    EXPECT_NE(text.find("</wordlist>\n<freespace/><numcards>3</numcards><title></title>\n"), std::string::npos);
    bingo.freeSpace = false;
    EXPECT_NE(bingo.ToXml().find("</wordlist>\n<numcards>3</numcards><title>"), std::string::npos);
    EXPECT_EQ(RecordingPuzzle(CrosswordPuzzle).ToXml().rfind("<document type=\"crossword\">\n<wordlist></wordlist>\n", 0),
              0u);
}

TEST_F(DocumentTest, WordSearchWritesEachPlacementInOrder)
{
    RecordingPuzzle search(WordSearchPuzzle);
    search.grid.Resize(5, 5);
    search.AddPlacement(0, 0, 4, 0);
    search.AddPlacement(4, 4, 0, 0);
    std::string text = search.ToXml();
    EXPECT_NE(text.find("</grid>\n<solution x1=\"0\" y1=\"0\" x2=\"4\" y2=\"0\"/>\n"
                        "<solution x1=\"4\" y1=\"4\" x2=\"0\" y2=\"0\"/>\n</document>"),
              std::string::npos);
}

TEST_F(DocumentTest, HandWrittenDocumentsWithCrLfOpen)
{
    std::string bingo =
        "<document type=\"bingo\">\r\n<wordlist>apple\tA fruit\r\npear\t\r\n</wordlist>\r\n"
        "<freespace/><numcards>7</numcards><title>Fruit \xE9t\xE9</title>\r\n<grid>+---+\r\n| + |\r\n+---+\r\n"
        "</grid>\r\n</document>";
    RecordingPuzzle& read = Read(bingo);
    EXPECT_EQ(read.type, BingoPuzzle);
    EXPECT_TRUE(read.freeSpace);
    EXPECT_EQ(read.numCards, 7);
    EXPECT_EQ(read.title, "Fruit \xE9t\xE9");
    ASSERT_EQ(read.wordList.WordCount(), 2);
    EXPECT_EQ(read.wordList.ClueFor("apple"), "A fruit");
    EXPECT_EQ(read.wordList.ClueFor("pear"), "");
    EXPECT_EQ(trace.str(), "wordlist\nfreespace\nnumcards\ntitle\ngrid\n");

    RecordingPuzzle& noFreeSpace = Read("<document type=\"bingo\"><numcards>2</numcards></document>");
    EXPECT_FALSE(noFreeSpace.freeSpace);
    EXPECT_EQ(noFreeSpace.numCards, 2);

    RecordingPuzzle& search = Read(
        "<document type=\"wordsearch\">\r\n<wordlist>ab\t\r\n</wordlist>\r\n<title>T</title>\r\n"
        "<grid>+---+---+\r\n| a | b |\r\n+---+---+\r\n</grid>\r\n"
        "<solution x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\"/>\r\n</document>");
    EXPECT_EQ(search.type, WordSearchPuzzle);
    ASSERT_EQ(search.grid.placements.size(), 1u);
    EXPECT_EQ(search.grid.PlacedWordText(0), "ab");
    EXPECT_EQ(trace.str(), "wordlist\ntitle\ngrid\nsolution\nsolution\nafter solution\n");
}

TEST_F(DocumentTest, TypeNamesAreExactAndUnknownOnesAreCrosswords)
{
    EXPECT_EQ(Read("<document type=\"scramble\"/>").type, ScramblePuzzle);
    EXPECT_EQ(Read("<document type=\"crossword\"/>").type, FreeformPuzzle);
    EXPECT_EQ(Read("<document type=\"WordSearch\"/>").type, FreeformPuzzle);
    EXPECT_EQ(Read("<document/>").type, FreeformPuzzle);
}

TEST_F(DocumentTest, LaterElementsWinAndEmptyOnesReadEmpty)
{
    RecordingPuzzle& read = Read(
        "<document type=\"freeform\"><title>First</title><wordlist>a\t\n</wordlist><title>Second</title>"
        "<wordlist>x\ny\tclue\n\n</wordlist></document>");
    EXPECT_EQ(read.title, "Second");
    ASSERT_EQ(read.wordList.WordCount(), 2);
    EXPECT_EQ(read.wordList.ClueFor("x"), "x") << "a line without TAB is word and clue";

    RecordingPuzzle& blank = Read("<document type=\"freeform\"><wordlist></wordlist><title>   </title></document>");
    EXPECT_EQ(blank.wordList.WordCount(), 0);
    EXPECT_EQ(blank.title, "");
}

TEST_F(DocumentTest, InputTheWriterNeverMakesIsReadSafely)
{
    RecordingPuzzle& odd = Read(
        "<?xml version=\"1.0\"?><!-- a comment --><document type=\"bingo\">"
        "<title><b>bold</b></title><numcards>1000000</numcards><grid/><numcards/></document>");
    EXPECT_EQ(odd.type, BingoPuzzle);
    EXPECT_EQ(odd.title, "");
    EXPECT_EQ(odd.numCards, MaxBingoCards) << "no hostile file makes millions of cards";
    EXPECT_EQ(odd.grid.width, 4);
    EXPECT_EQ(Read("<document type=\"bingo\"><numcards>-3</numcards></document>").numCards, MinBingoCards);

    RecordingPuzzle& search = Read(
        "<document type=\"wordsearch\"><grid>+---+---+\n| a | b |\n+---+---+\n</grid>"
        "<solution x1=\"0\" y1=\"0\" x2=\"1\"/><solution x1=\"0\" y1=\"0\" x2=\"2147483647\" y2=\"0\"/>"
        "<solution x1=\"-1\" y1=\"0\" x2=\"1\" y2=\"0\"/><solution x1=\"1\" y1=\"0\" x2=\"0\" y2=\"0\"/></document>");
    ASSERT_EQ(search.grid.placements.size(), 1u) << "only the placement inside the grid stays";
    EXPECT_EQ(search.grid.PlacedWordText(0), "ba");
}

// Empty and broken files are tried through the Open command.
TEST_F(DocumentTest, FilesThatAreNoDocumentFailToLoad)
{
    DocumentReader reader;
    EXPECT_FALSE(reader.LoadFile("/nonexistent/puzzle.qzl"));
    TempFile commentOnly("<!-- nothing -->");
    EXPECT_FALSE(reader.LoadFile(commentOnly.path()));
    TempFile good("<document type=\"scramble\">\r\n<title>ok</title>\r\n</document>");
    EXPECT_TRUE(reader.LoadFile(good.path()));
}

// Levels as TinyXML builds them: a stray end tag closes nothing, and markup it
// could read otherwise is not counted.
TEST(ElementDepthTest, CountsTheLevelsTinyXmlWouldBuild)
{
    const std::pair<const char*, int> cases[] = {
        {"<document type=\"freeform\">\n<wordlist>a\tb\n</wordlist>\n</document>", 2},
        {"<a><b/><c x=\"/>\" y='</a>'><d></d></c></a>", 3},
        {"<?xml version=\"1.0\" encoding='UTF-8'?><a><!-- <b><c> --><![CDATA[<b>]]><!DOCTYPE x><?pi <b>?>< b></a>", 1},
        {"</x><a></a></a></a><b><c>", 2},
        {"<a><?xml version=\"x></a>\"?><a>", -1},
        {"<a><\x80>", -1},
    };
    for (const auto& [text, depth] : cases)
        EXPECT_EQ(ElementDepth(text), depth) << text;
}

}  // namespace
