#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

#include "app/document_bounds.h"
#include "app/document_markup.h"
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
    EXPECT_EQ(Read("<document type=\"bingo\"><grid>no cell\n</grid></document>").grid.width, 4)
        << "a picture without cells would not read back as it is written";

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

// A character reference to a line break or TAB in an entry or the title is a
// blank; elsewhere, and where it is no reference, it stays as it was.
TEST_F(DocumentTest, BreaksWrittenAsReferencesKeepEntriesAndTitleOnOneLine)
{
    RecordingPuzzle& read = Read(
        "<document type=\"freeform\"><wordlist>cat\tline&#13;two\nca&#9;t\tx&#10;y&#266;z&#x0D;\tw\n</wordlist>"
        "<title>a&#10;b&#13;c&#x9;d\te\nf</title></document>");
    ASSERT_EQ(read.wordList.WordCount(), 2);
    EXPECT_EQ(read.wordList.ClueFor("cat"), "line two");
    EXPECT_EQ(read.wordList.ClueFor("ca t"), "x y z  w");
    EXPECT_EQ(read.title, "a b c d e f");

    RecordingPuzzle& literal =
        Read("<document type=\"freeform\"><wordlist><![CDATA[cat\tline&#13;two]]></wordlist></document>");
    EXPECT_EQ(literal.wordList.ClueFor("cat"), "line&#13;two");
    // Saved, a list of white space alone would read back as none.
    EXPECT_EQ(Read("<document type=\"freeform\"><wordlist><![CDATA[ \t \n]]></wordlist></document>")
                  .wordList.WordCount(),
              0);
}

// What opens saves as a document that opens the same: a word of blanks is no
// word, and a clue or title that saving would lose is none.
TEST_F(DocumentTest, ListsAndTitlesOpenAgainAsTheyOpened)
{
    const std::pair<std::string, int> cases[] = {
        // the list or title in the document, then how many words it opens with
        {"<wordlist>&#9;\n\x7F</wordlist>", 0},
        {"<wordlist>\xA0\tclue\n \t\ncat\t\n</wordlist>", 1},
        {"<wordlist>\tclue\na\x01\tclue\n</wordlist>", 0},
        {"<wordlist>Cat\tA pet\n</wordlist>", 1},
        {"<title><![CDATA[ \v]]></title>", 0},
    };
    for (const auto& [content, words] : cases) {
        RecordingPuzzle& once = Read("<document type=\"wordsearch\">" + content + "</document>");
        RecordingPuzzle& again = Read(once.ToXml());
        EXPECT_EQ(once.wordList.WordCount(), words) << content;
        EXPECT_EQ(again.ToXml(), once.ToXml()) << content;
        EXPECT_EQ(again.wordList.HasClues(), once.wordList.HasClues()) << content;
    }
}

// A grid opens with the cells it shows and saves as it opened, twice alike. A
// control character, or a code for one, saved raw into its row, could cut the
// row; a lone CR is a line end only between the lines of the picture.
TEST_F(DocumentTest, GridsKeepTheirCellsThroughSaves)
{
    const std::string code = "its grid holds a code such as &#13; for a line break, TAB or other control character, "
                             "which no cell of a grid can hold";
    const std::string raw = "its grid holds a TAB, a carriage return or other control character, which no cell of "
                            "a grid can hold";
    const std::tuple<std::string, const char*, const std::string*> cases[] = {
        // the row in the document, then as saved; none when refused, and why
        {"| | | | | a |", "| | | | | a |", nullptr},
        {"| &#124; |   | + |", "| | |   | + |", nullptr},
        {"| a | b | c |\r+---+---+---+\r| d | e | f |", "| a | b | c |\n+---+---+---+\n| d | e | f |", nullptr},
        {"| &#97; |XXX| + |", "| a |XXX| + |", nullptr},
        {"| &#13; | b | c |", nullptr, &code},
        {"| &#269; | b | c |", nullptr, &code},
        {"| &#10; | b | c |", nullptr, &code},
        {"| a | b | &#9; |", nullptr, &code},
        {"| &#x0d; | &#x7F; | c |", nullptr, &code},
        {"| a | b | \t |", nullptr, &raw},
        {"| \r | b | c |", nullptr, &raw},
        {"| a |\r b | c |", nullptr, &raw},
        {"| \x01 | b | c |", nullptr, &raw},
        {"| a | \x7F | c |", nullptr, &raw},
    };
    const std::string edge = "+---+---+---+\n";
    for (const auto& [row, saved, refusal] : cases) {
        const std::string document =
            "<document type=\"wordsearch\"><grid>" + edge + row + "\n" + edge + "</grid></document>";
        DocumentReader reader;
        ASSERT_EQ(reader.Parse(document), saved != nullptr) << row;
        if (!saved) {
            EXPECT_EQ(reader.Failure(), *refusal) << row;
            continue;
        }
        const std::string once = Read(document).ToXml();
        EXPECT_NE(once.find(edge + saved + "\n" + edge), std::string::npos) << once;
        EXPECT_EQ(Read(once).ToXml(), once);
    }
    DocumentReader cdata;
    EXPECT_FALSE(cdata.Parse("<document><grid>\n<![CDATA[" + edge + "| \t |\n" + edge + "]]></grid></document>"));
    EXPECT_EQ(cdata.Failure(), raw);
}

// TinyXML reads a document with a declaration or byte-order mark as UTF-8,
// where a lead byte takes the bytes after it along, markup included; the
// reader has it read every document byte for byte, as the checks before it do.
TEST_F(DocumentTest, EveryDocumentIsReadByteForByte)
{
    EXPECT_EQ(Read("<?xml version=\"1.0\"?><document type=\"freeform\"><title>\xC3<!-- </title><title>hidden"
                   "</title><title> --></title></document>")
                  .title,
              "\xC3");
    EXPECT_EQ(Read("<?xml version=\"1.0\" encoding=\"UTF-8\"?><document><title>&#233;t&#xE9;</title></document>")
                  .title,
              "\xE9t\xE9");
    EXPECT_EQ(Read("\xEF\xBB\xBF<document type=\"scramble\"><title>\xC3\xA9</title></document>").title, "\xC3\xA9");
}

// The walk before TinyXML meets levels and attributes as TinyXML builds them
// (a stray end tag closes nothing; markup in comments, CDATA, declarations
// and quoted values is none) and gives up on markup TinyXML could read
// otherwise: a name byte past ASCII, or a reference that runs over markup to
// the next ';'.
TEST(ReadMarkupTest, MeetsTheMarkupAsTinyXmlBuildsIt)
{
    struct Case {
        std::string text;
        bool followed;
        int depth;
        int attributes;
    };
    const Case cases[] = {
        {"<document type=\"freeform\">\n<wordlist>a\tb\n</wordlist>\n"
         "<solution x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\"/>\n</document>",
         true, 2, 4},
        {"<a><b/><c x=\"/>\" y='</a>' z=\"a=b >c\"><d></d></c></a>", true, 3, 3},
        {"<?xml version=\"1.0\" encoding='UTF-8'?><a><!-- <b c=\"1\" d=\"2\"> --><![CDATA[<b c=\"1\" d=\"2\">]]>"
         "<!DOCTYPE x><?pi <b c=\"1\">?>< b c=\"1\"> c=\"1\" d=\"2\"</a>",
         true, 1, 0},
        {"</x><a></a></a></a><b><c>", true, 2, 0},
        {"<a x=\"&#10;&#x41;&#;&amp;&#1&amp;\">&#233;&#x;&#&</a>", false, 1, 0},
        {"<a x=\"&#10;&#x41;&amp;\">&#233;&#x20;&</a>", true, 1, 1},
        {"<?xml version=\"1.0\"?><a>\xC3<!-- <b c=\"1\" d=\"2\"/> --></a>", true, 1, 0},
        {"<a><?xml version=\"x></a>\"?><a>", false, 1, 0},
        {"<a><\x80>", false, 1, 0},
        {"<a>&#x<!-- x0A; <b c=\"1\" d=\"2\"/> --></a>", false, 1, 0},
        {"<a>&#<!-- #10; <b c=\"1\" d=\"2\"/> --></a>", false, 1, 0},
        {"<a x=\"&#x1x2;\" y=\"1\"/>", false, 1, 0},
        {"<a>&#256;</a>", false, 1, 0},
        {"<a x=\"&#x;\"/>", false, 1, 0},
    };
    for (const Case& c : cases) {
        const DocumentMarkup markup = ReadMarkup(c.text);
        EXPECT_EQ(markup.followed, c.followed) << c.text;
        if (c.followed) {
            EXPECT_EQ(markup.depth, c.depth) << c.text;
            EXPECT_EQ(markup.attributes, c.attributes) << c.text;
            EXPECT_EQ(markup.text, c.text) << "only the elements named are put on one line";
        }
    }
}

}  // namespace
