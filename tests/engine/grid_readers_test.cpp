#include <gtest/gtest.h>

#include "engine/error.h"
#include "engine_test_support.h"
#include "support/temp_file.h"

namespace {

std::string ReadFailure(const std::string& contents)
{
    TempFile file(contents);
    Grid grid(4, 4);
    try {
        grid.ReadPatternFile(file.path());
    } catch (const error& e) {
        return e.message();
    }
    return "";
}

using PatternFileTest = FreshAlphabetTest;

TEST_F(PatternFileTest, OpenCellsBlocksAndSlotsAcrossBeforeDown)
{
    TempFile file("3 2\n+ +\n+++\n");
    Grid grid(4, 4);
    grid.ReadPatternFile(file.path());
    EXPECT_EQ(Printed(grid, 0), "+ +\n+++\n");
    std::vector<std::vector<int>> expected = {{0}, {2}, {3, 4, 5}, {0, 3}, {4}, {2, 5}};
    EXPECT_EQ(AllSlots(grid), expected);
    const Cell& corner = grid.CellAt(2, 1);
    EXPECT_EQ(corner.referenceCount, 2);
    EXPECT_EQ(corner.references[0].first, 2);
    EXPECT_EQ(corner.references[1].first, 1) << "position within the down slot";
    EXPECT_TRUE(grid.CellAt(1, 0).locked);
    EXPECT_FALSE(grid.CellAt(0, 0).locked);
}

TEST_F(PatternFileTest, SizeLineDefaultsCrLfLinesShortAndLongRowsAndPresetLetters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"x\n+\n", "+\n"},     // no numbers: one column, one row
        {"2\n++\n", "++\n"},  // no height: one row
        {"  4 3 trailing words\r\n+\r\n+QR+extra\r\n++++\r\n", "+   \n+qr+\n++++\n"},
    };
    Grid grid(1, 1);
    for (auto [text, picture] : cases) {
        TempFile file(text);
        grid.ReadPatternFile(file.path());
        EXPECT_EQ(Printed(grid, 0), picture);
    }
    EXPECT_TRUE(grid.CellAt(1, 1).locked) << "a preset letter";
}

TEST_F(PatternFileTest, Failures)
{
    EXPECT_EQ(ReadFailure("3 2\n+ +\n+++"), "Not enough lines in input file");
    EXPECT_EQ(ReadFailure("0 3\n"), "Grid dimensions must be at least 1");
    EXPECT_EQ(ReadFailure("3 -1\n"), "Grid dimensions must be at least 1");
    EXPECT_EQ(ReadFailure("100000 100000\n+\n"), "Grid dimensions are too large");

    testing::internal::CaptureStderr();
    EXPECT_EQ(ReadFailure("2 1\n\t+\n"), "Invalid character in input file");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Invalid character in grid file line 2, column 0\n");

    Grid grid(4, 4);
    for (const char* unreadable : {"/nonexistent/25x25", "/tmp"}) {
        try {
            grid.ReadPatternFile(unreadable);
            FAIL() << unreadable;
        } catch (const error& e) {
            EXPECT_EQ(e.message(), "Failed to open pattern file");
        }
    }
}

using AsciiGridTest = FreshAlphabetTest;

// Any character a word may hold stands in a cell, bars next to each other included.
TEST_F(AsciiGridTest, ReadsBackWhatThePrinterWrote)
{
    Grid grid(4, 4);
    const std::string rows[] = {"Cat ", "||x|"};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            grid.CellAt(x, 3 * y).SetSymbol(Alphabet::SymbolOf(rows[y][x]));
    grid.CellAt(1, 1).SetBlock();
    grid.CellAt(3, 2).SetBlock();
    grid.CellAt(0, 2).SetSymbol(Alphabet::SymbolOf('\xE9'));
    grid.CellAt(1, 2).SetSymbol(Alphabet::SymbolOf('1'));
    std::string picture = Printed(grid, 1);

    Grid read(1, 1);
    read.placements.push_back({0, 0, 0, 0});
    read.ReadAsciiGrid(picture);
    EXPECT_EQ(read.height, 4);
    EXPECT_EQ(Printed(read, 1), picture);
    EXPECT_EQ(read.placements.size(), 1u) << "placements are not the reader's business";
}

TEST_F(AsciiGridTest, TextsThatAreNoPicture)
{
    Grid grid(2, 2);
    grid.ReadAsciiGrid("no line feed at all");
    EXPECT_EQ(grid.cellCount, 4);

    grid.ReadAsciiGrid("+\n");
    EXPECT_EQ(grid.width, 0);
    EXPECT_EQ(grid.height, 0);

    grid.ReadAsciiGrid("no plus\nhere\n\n");
    EXPECT_EQ(grid.cellCount, 0);

    grid.ReadAsciiGrid("+---+\n| a | b | c |\n+---+\n| d |\n+---+\n| e |\n");
    EXPECT_EQ(grid.width, 1);
    EXPECT_EQ(grid.height, 2);
    EXPECT_EQ(grid.CellAt(0, 0).symbol, Alphabet::SymbolOf('a')) << "extra cells fall outside";
    EXPECT_EQ(grid.CellAt(0, 1).symbol, Alphabet::SymbolOf('d'));
}

// Counting a picture's characters must leave the alphabet alone, yet find
// every character that reading the picture then adds.
TEST_F(AsciiGridTest, ItsLettersAreFoundWithoutTheAlphabet)
{
    Grid grid(4, 2);
    const std::string word = "Cat\xE9";
    for (int i = 0; i < 4; ++i)
        grid.CellAt(i, 0).SetSymbol(Alphabet::SymbolOf(word[i]));
    grid.CellAt(1, 1).SetBlock();
    grid.CellAt(2, 1).SetSymbol(Alphabet::SymbolOf(' '));
    grid.CellAt(3, 1).SetSymbol(Alphabet::SymbolOf('?'));
    for (const std::string& picture : {Printed(grid, 1), std::string("+---+\n| a | b | c |\n+---+\n| d |\n"),
                                       std::string("no picture")}) {
        ResetAlphabet();
        const std::string letters = AsciiGridLetters(picture);
        EXPECT_EQ(Alphabet::LetterCount(), 0);
        Grid read(1, 1);
        read.ReadAsciiGrid(picture);
        std::string added;
        for (int code = 0; code < Alphabet::LetterCount(); ++code)
            added += Alphabet::CharOf(Symbol(std::uint8_t(code)));
        EXPECT_EQ(letters, added) << picture;
    }
}

TEST_F(AsciiGridTest, ClaimedSizeIsCutToWhatTheTextCanDraw)
{
    std::string text(4000, '+');
    text += std::string(4000, '\n');
    Grid grid(1, 1);
    grid.ReadAsciiGrid(text);
    EXPECT_EQ(grid.width, 3999);
    EXPECT_LE(std::int64_t(grid.cellCount), std::int64_t(text.size()) / 4);
    EXPECT_EQ(grid.height, 0);
}

}  // namespace
