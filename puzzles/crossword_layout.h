#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "engine/grid.h"
#include "engine/symbol_word.h"

// The fixed order in which the layout considers the words: it picks the root
// among equally long words and the order of the candidates at every crossing.
// Shorter words first fit the most words into the grid before the step cap.
enum class WordOrder {
    ListOrder,      // as the list gives them
    LongestFirst,   // longer words first, list order among equals
    ShortestFirst,  // shorter words first, list order among equals
};

// Lays the words of a list out as a free-form crossword: the longest word across
// the middle of the pattern "25x25", then a depth-first search with backtracking
// for words crossing those already written, keeping the fullest, most compact grid.
class CrosswordLayout {
public:
    using WordList = std::vector<std::shared_ptr<const SymbolWord>>;

    // The search ends after a little over this many placements.
    static constexpr int StepCap = 5000;

    explicit CrosswordLayout(const WordList& words, WordOrder order = WordOrder::ShortestFirst);
    CrosswordLayout(const CrosswordLayout&) = delete;
    CrosswordLayout& operator=(const CrosswordLayout&) = delete;
    ~CrosswordLayout();

    // Called once per object; throws error when the pattern cannot be read.
    Grid Generate();

    // After Generate: the words in the returned grid, and the placements the search made.
    std::size_t PlacedWordCount() const;
    int StepCount() const { return stepCounter_; }

private:
    // A word is named by its place in the word order; (dx, dy) steps from one
    // of its letters to the next.
    struct Direction {
        int dx;
        int dy;
    };
    static constexpr Direction Across{1, 0};
    static constexpr Direction Down{0, 1};

    void PlaceAcross(int w, int k, int x, int y);
    void PlaceDown(int w, int k, int x, int y);
    void CrossDown(int a, int j, int x, int y);
    void CrossAcross(int a, int j, int x, int y);
    void UnplaceAcross(int w, int k, int x, int y);
    void UnplaceDown(int w, int k, int x, int y);
    int Score();

    void Place(Direction along, int w, int k, int x, int y);
    void Unplace(Direction along, int w, int k, int x, int y);
    void Cross(Direction along, int a, int j, int x, int y);
    bool TryCandidates(Direction along, int a, int i, int x, int y);
    int Room(Direction along, int sense, int x, int y);
    void UpdateBest();
    int ChooseRoot() const;
    bool RootFits(int length) const;
    void ReadPattern();

    const Symbol* Word(int w) const { return words_[w]->data(); }
    bool HasLetterAt(int x, int y) { return work_.CellAt(x, y).HasLetter(); }

    WordList words_;  // in the word order
    std::set<int> remaining_;
    std::map<char, std::set<int>> wordsByLetter_;
    Grid best_{4, 4};
    unsigned bestRemaining_ = 0;
    int bestScore_ = 0;
    Grid work_{4, 4};
    int stepCounter_ = 0;
};
