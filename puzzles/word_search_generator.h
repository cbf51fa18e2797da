#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "engine/grid.h"
#include "engine/symbol_word.h"

// Hides the words of a list, in list order, in a 25 x 15 grid: each in a
// straight line in one of eight directions from a random empty cell, crossing
// earlier words only where the letters agree; then fills the rest with random
// letters a to z. Words that find no place are left out; one longer than every
// line of the grid is passed over without a try.
class WordSearchGenerator {
public:
    using WordList = std::vector<std::shared_ptr<const SymbolWord>>;

    static constexpr int Width = 25;
    static constexpr int Height = 15;
    static constexpr int AttemptCap = 5000;
    // The letters that fill the cells no word takes, drawn at random.
    static constexpr char FirstFiller = 'a';
    static constexpr char LastFiller = 'z';

    explicit WordSearchGenerator(const WordList& words);
    WordSearchGenerator(const WordSearchGenerator&) = delete;
    WordSearchGenerator& operator=(const WordSearchGenerator&) = delete;

    // Seeds rand from the clock; called once per object.
    Grid Generate();
    // The same seed hides the same words in the same places.
    Grid Generate(unsigned seed);

    // Direction codes 0 to 7 run up, up-right, right, down-right, down,
    // down-left, left and up-left.
    bool CanPlace(int x, int y, int d, const Symbol* w);
    void PlaceWord(int x, int y, int d, const Symbol* w);

private:
    void PlaceWords();
    bool TryDirections(int x, int y, int directions[8]);
    bool FitsSomeLine(const Symbol* w) const;
    bool HasEmptyCell();
    void FillEmptyCells();

    std::deque<std::shared_ptr<const SymbolWord>> words_;
    int attemptCounter_ = 0;
    Grid grid_{4, 4};
};
