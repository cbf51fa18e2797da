#include <gtest/gtest.h>

#include <filesystem>

#include "app/document_bounds.h"
#include "app/recording_puzzle.h"
#include "engine/alphabet.h"
#include "support/count_of.h"

namespace {

bool Holds(const std::string& page, const std::string& text) { return page.find(text) != std::string::npos; }


class PuzzleContentTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetAlphabet();
        list.AddWord("apple", "a fruit");
        list.AddWord("banana", "yellow");
        list.AddWord("cherry", "");
    }
    Dictionary list;
};

// A page past the bound is refused after the puzzle was made anew: the
// document keeps its list, title, grid and stored scramble, and shows nothing.
TEST_F(PuzzleContentTest, APageTooLongToShowLeavesTheDocumentAsItWas)
{
    for (PuzzleType type : {FreeformPuzzle, WordSearchPuzzle, ScramblePuzzle}) {
        SCOPED_TRACE(type);
        RecordingPuzzle puzzle(type);
        puzzle.Generate(list, "Fruit");
        const std::string saved = puzzle.ToXml(), scramble = puzzle.scramblePage;
        Dictionary essays;
        for (const char* word : {"apple", "banana", "cherry"})
            essays.AddWord(word, std::string(MaxPageBytes / 2, 'x'));
        EXPECT_THROW(puzzle.Generate(essays, "Essays"), PageTooLarge);
        EXPECT_EQ(puzzle.ToXml(), saved);
        EXPECT_EQ(puzzle.scramblePage, scramble);
        EXPECT_EQ(puzzle.shown.size(), 1u);
        EXPECT_THROW(puzzle.Render(std::string(MaxPageBytes, 't')), PageTooLarge);
        EXPECT_EQ(puzzle.title, "Fruit");
    }
}

TEST_F(PuzzleContentTest, WordSearchSolutionDecidesWhetherOutlinesAreDrawn)
{
    RecordingPuzzle puzzle(WordSearchPuzzle);
    puzzle.Generate(list, "Fruit");
    ASSERT_EQ(puzzle.shown.size(), 1u);
    EXPECT_FALSE(Holds(puzzle.shown[0], "#load#"));
    EXPECT_FALSE(Holds(puzzle.shown[0], "#title#"));
    EXPECT_TRUE(Holds(puzzle.shown[0], "Fruit"));
    Grid before = puzzle.grid;

    puzzle.SetShowSolution(true);
    ASSERT_EQ(puzzle.shown.size(), 2u);
    EXPECT_EQ(CountOf(puzzle.shown[0], "return;"), CountOf(puzzle.shown[1], "return;") + 1)
        << "the loader returns early only while the solution is hidden";
    EXPECT_EQ(puzzle.grid.placements.size(), before.placements.size()) << "nothing generated anew";
    for (int i = 0; i < before.cellCount; ++i)
        ASSERT_EQ(puzzle.grid.cells[i].symbol, before.cells[i].symbol);
}

// Without its pattern file the crossword cannot be laid out: the document
// keeps its words, title and grid, and shows nothing new.
TEST_F(PuzzleContentTest, AFailedGenerationLeavesTheDocumentAsItWas)
{
    RecordingPuzzle puzzle(FreeformPuzzle);
    puzzle.Generate(list, "Fruit");
    const std::string saved = puzzle.ToXml();
    const std::filesystem::path folder = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    Dictionary kiwi;
    kiwi.AddWord("kiwi", "");
    EXPECT_THROW(puzzle.Generate(kiwi, "Kiwi"), error);
    std::filesystem::current_path(folder);
    EXPECT_EQ(puzzle.ToXml(), saved);
    EXPECT_EQ(puzzle.shown.size(), 1u);
}

TEST_F(PuzzleContentTest, CrosswordShowsLettersOnlyWithTheSolution)
{
    RecordingPuzzle puzzle(FreeformPuzzle);
    puzzle.Generate(list, "Crossword");
    puzzle.SetShowSolution(true);
    ASSERT_EQ(puzzle.shown.size(), 2u);
    EXPECT_NE(puzzle.shown[0], puzzle.shown[1]);
    EXPECT_TRUE(Holds(puzzle.shown[1], "Crossword"));
}

TEST_F(PuzzleContentTest, BingoIsNeverShownAgainWithoutGenerating)
{
    RecordingPuzzle puzzle(BingoPuzzle);
    puzzle.numCards = 2;
    puzzle.Generate(list, "Bingo");
    ASSERT_EQ(puzzle.shown.size(), 1u);
    EXPECT_EQ(CountOf(puzzle.shown[0], "BINGO"), 2);
    puzzle.SetShowSolution(true);
    EXPECT_TRUE(puzzle.showSolution);
    puzzle.Render("Other");
    EXPECT_EQ(puzzle.shown.size(), 1u);
    EXPECT_EQ(puzzle.title, "Bingo") << "render keeps the title of bingo cards";
}

TEST_F(PuzzleContentTest, ScrambleKeepsItsShuffleWhenSolutionsSwitch)
{
    RecordingPuzzle puzzle(ScramblePuzzle);
    puzzle.Generate(list, "Unscramble");
    puzzle.SetShowSolution(true);
    puzzle.SetShowSolution(false);
    ASSERT_EQ(puzzle.shown.size(), 3u);
    EXPECT_TRUE(Holds(puzzle.shown[0], "visibility:hidden"));
    EXPECT_TRUE(Holds(puzzle.shown[1], "visibility:visible"));
    EXPECT_EQ(puzzle.shown[0], puzzle.shown[2]);
    EXPECT_EQ(CountOf(puzzle.scramblePage, "#title#"), 1);
    EXPECT_EQ(CountOf(puzzle.scramblePage, "#visibility#"), 1);
}

TEST_F(PuzzleContentTest, TitlesAreTextNotMarkup)
{
    for (PuzzleType type : {FreeformPuzzle, WordSearchPuzzle, ScramblePuzzle}) {
        RecordingPuzzle puzzle(type);
        puzzle.Generate(list, "<script>alert(1)</script> & co");
        ASSERT_EQ(puzzle.shown.size(), 1u);
        EXPECT_FALSE(Holds(puzzle.shown[0], "<script>alert")) << type;
        EXPECT_TRUE(Holds(puzzle.shown[0], "&lt;script&gt;alert(1)&lt;/script&gt; &amp; co")) << type;
    }
}

// A title is stored as given and put in once, as text: a placeholder in it stays.
TEST_F(PuzzleContentTest, TitlesAreTextPutInOnce)
{
    const std::string title = "Odd #title# <script>alert(1)</script> & co";
    for (PuzzleType type : {FreeformPuzzle, WordSearchPuzzle, ScramblePuzzle}) {
        RecordingPuzzle puzzle(type);
        puzzle.Generate(list, "First");
        puzzle.Render(title);
        EXPECT_EQ(puzzle.title, title);
        ASSERT_EQ(puzzle.shown.size(), 2u);
        EXPECT_TRUE(Holds(puzzle.shown[1], "Odd #title# &lt;script&gt;alert(1)&lt;/script&gt; &amp; co")) << type;
        EXPECT_EQ(CountOf(puzzle.shown[1], "First") + CountOf(puzzle.shown[1], "<script>alert"), 0) << type;
    }
}

}  // namespace
