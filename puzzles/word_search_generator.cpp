#include "puzzles/word_search_generator.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "engine/alphabet.h"
#include "engine/clock_seed.h"
#include "puzzles/random_in_range.h"

namespace {

struct Step {
    int dx;
    int dy;
};

constexpr Step DirectionSteps[8] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};

}  // namespace

WordSearchGenerator::WordSearchGenerator(const WordList& words) : words_(words.begin(), words.end()) {}

Grid WordSearchGenerator::Generate() { return Generate(ClockSeed()); }

Grid WordSearchGenerator::Generate(unsigned seed)
{
    grid_.Resize(Width, Height);
    std::srand(seed);
    PlaceWords();
    FillEmptyCells();
    return grid_;
}

void WordSearchGenerator::PlaceWords()
{
    // Failed tries reorder this list, and the order carries over to later words.
    int directions[8] = {4, 0, 3, 1, 2, 5, 7, 6};
    attemptCounter_ = 0;
    while (!words_.empty() && attemptCounter_ < AttemptCap) {
        // Such a word would use up every attempt left and keep out the words after it.
        if (!FitsSomeLine(words_.front()->data())) {
            words_.pop_front();
            continue;
        }
        int x = RandomInRange(0, grid_.width);
        int y = RandomInRange(0, grid_.height);
        if (grid_.CellAt(x, y).symbol != EmptySymbol) {
            // A full grid could never offer a start cell again.
            if (!HasEmptyCell())
                return;
            continue;
        }
        if (TryDirections(x, y, directions))
            words_.pop_front();
        ++attemptCounter_;
    }
}

// Draws untried directions until the first word fits from (x, y); a failed
// direction moves to the end of the untried part of the list.
bool WordSearchGenerator::TryDirections(int x, int y, int directions[8])
{
    const Symbol* word = words_.front()->data();
    for (int untried = 8; untried > 0; --untried) {
        int k = RandomInRange(0, untried);
        int d = directions[k];
        if (CanPlace(x, y, d, word)) {
            PlaceWord(x, y, d, word);
            return true;
        }
        std::swap(directions[k], directions[untried - 1]);
    }
    return false;
}

// No line of the grid, in any direction, is longer than the grid's longer side.
bool WordSearchGenerator::FitsSomeLine(const Symbol* w) const
{
    return WordLength(w) <= std::max(grid_.width, grid_.height);
}

bool WordSearchGenerator::HasEmptyCell()
{
    return std::any_of(grid_.cells.begin(), grid_.cells.end(),
                       [](const Cell& cell) { return cell.symbol == EmptySymbol; });
}

// The start cell is not looked at: only empty cells are offered as starts.
bool WordSearchGenerator::CanPlace(int x, int y, int d, const Symbol* w)
{
    Step step = DirectionSteps[d];
    for (int i = 1; w[i] != BlockSymbol; ++i) {
        int cx = x + i * step.dx, cy = y + i * step.dy;
        if (cx < 0 || cx >= grid_.width || cy < 0 || cy >= grid_.height)
            return false;
        Cell& cell = grid_.CellAt(cx, cy);
        if (cell.HasLetter() && cell.symbol != w[i])
            return false;
    }
    return true;
}

void WordSearchGenerator::PlaceWord(int x, int y, int d, const Symbol* w)
{
    Step step = DirectionSteps[d];
    int length = WordLength(w);
    for (int i = 0; i < length; ++i)
        grid_.CellAt(x + i * step.dx, y + i * step.dy).SetSymbol(w[i]);
    int last = std::max(length - 1, 0);
    grid_.placements.push_back(Placement{x, y, x + last * step.dx, y + last * step.dy});
}

void WordSearchGenerator::FillEmptyCells()
{
    for (int x = 0; x < grid_.width; ++x) {
        for (int y = 0; y < grid_.height; ++y) {
            Cell& cell = grid_.CellAt(x, y);
            if (cell.symbol == EmptySymbol)
                cell.SetSymbol(Alphabet::SymbolOf(char(RandomInRange(FirstFiller, LastFiller + 1))));
        }
    }
}
