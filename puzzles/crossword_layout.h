#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "engine/grid.h"
#include "engine/symbol_word.h"
#include "puzzles/letter_map.h"

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
    void KeepAsBest();
    void Write(int x, int y, Symbol s);
    void Remove(int w);
    void Restore(int w);
    int ChooseRoot() const;
    bool RootFits(int length) const;
    void ReadPattern();

    const Symbol* Word(int w) const { return words_[w]->data(); }
    const std::vector<int>& WordsWith(Symbol letter) const { return *wordsBySymbol_[letter.code()]; }
    const Cell& WorkCell(int x, int y) const { return std::as_const(work_).CellAt(x, y); }
    bool HasLetterAt(int x, int y) const { return letters_->Has(x, y); }

    WordList words_;  // in the word order
    std::vector<int> lengths_;
    int longest_ = 0;
    std::vector<unsigned char> isRemaining_;
    unsigned remainingCount_ = 0;
    // By the letter's character; each list in the word order, without repeats.
    std::array<std::vector<int>, 256> wordsByLetter_;
    // The same lists, found by the code of each symbol the words hold.
    std::array<const std::vector<int>*, 256> wordsBySymbol_{};
    Grid best_{4, 4};
    unsigned bestRemaining_ = 0;
    int bestScore_ = 0;
    Grid work_{4, 4};
    std::optional<LetterMap> letters_;  // of the work grid
    int stepCounter_ = 0;
};
