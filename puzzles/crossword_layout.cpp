#include "puzzles/crossword_layout.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <string>

#include "engine/alphabet.h"
#include "engine/error.h"
#include "puzzles/letter_bounds.h"

namespace {

const char* const PatternFile = "25x25";
constexpr int RootRow = 12;
constexpr int RootCentre = 12;

std::vector<int> WordOrderOf(const CrosswordLayout::WordList& words, WordOrder order)
{
    std::vector<int> ranks(words.size());
    std::iota(ranks.begin(), ranks.end(), 0);
    auto length = [&words](int i) { return WordLength(words[i]->data()); };
    if (order == WordOrder::LongestFirst)
        std::stable_sort(ranks.begin(), ranks.end(), [&](int a, int b) { return length(a) > length(b); });
    else if (order == WordOrder::ShortestFirst)
        std::stable_sort(ranks.begin(), ranks.end(), [&](int a, int b) { return length(a) < length(b); });
    return ranks;
}

}  // namespace

CrosswordLayout::CrosswordLayout(const WordList& words, WordOrder order)
{
    for (int listIndex : WordOrderOf(words, order))
        words_.push_back(words[listIndex]);
    for (int w = 0; w < int(words_.size()); ++w) {
        remaining_.insert(w);
        for (const Symbol* s = Word(w); *s != BlockSymbol; ++s)
            wordsByLetter_[Alphabet::CharOf(*s)].insert(w);
    }
}

CrosswordLayout::~CrosswordLayout() = default;

Grid CrosswordLayout::Generate()
{
    ReadPattern();
    stepCounter_ = 0;
    bestScore_ = 200;
    bestRemaining_ = 999999;
    int root = ChooseRoot();
    best_ = work_;
    if (root >= 0)
        PlaceAcross(root, 0, RootCentre - WordLength(Word(root)) / 2, RootRow);
    return best_;
}

std::size_t CrosswordLayout::PlacedWordCount() const
{
    return bestRemaining_ > words_.size() ? 0 : words_.size() - bestRemaining_;
}

void CrosswordLayout::ReadPattern()
{
    // The pattern reader takes a failed read, as of a folder, for a short file
    // and would go on with a grid of one block.
    std::ifstream probe(PatternFile);
    std::string firstLine;
    if (probe.is_open() && !std::getline(probe, firstLine) && probe.bad())
        throw error(std::string("Cannot read the pattern file ") + PatternFile);
    try {
        work_.ReadPatternFile(PatternFile);
    } catch (const error& e) {
        throw error(e.message() + ": " + PatternFile);
    }
}

// The longest word that fits the pattern's width from its start column, the
// first in the word order among equally long ones; -1 when none fits.
int CrosswordLayout::ChooseRoot() const
{
    int root = -1;
    int rootLength = 0;
    for (int w : remaining_) {
        int length = WordLength(Word(w));
        if (length > rootLength && RootFits(length)) {
            root = w;
            rootLength = length;
        }
    }
    return root;
}

bool CrosswordLayout::RootFits(int length) const
{
    int x0 = RootCentre - length / 2;
    return x0 >= 0 && x0 + length <= work_.width && RootRow < work_.height;
}

void CrosswordLayout::PlaceAcross(int w, int k, int x, int y) { Place(Across, w, k, x, y); }
void CrosswordLayout::PlaceDown(int w, int k, int x, int y) { Place(Down, w, k, x, y); }
void CrosswordLayout::CrossDown(int a, int j, int x, int y) { Cross(Down, a, j, x, y); }
void CrosswordLayout::CrossAcross(int a, int j, int x, int y) { Cross(Across, a, j, x, y); }
void CrosswordLayout::UnplaceAcross(int w, int k, int x, int y) { Unplace(Across, w, k, x, y); }
void CrosswordLayout::UnplaceDown(int w, int k, int x, int y) { Unplace(Down, w, k, x, y); }

int CrosswordLayout::Score()
{
    LetterBounds box = FindLetterBounds(work_);
    return (box.maxY - box.minY) + (box.maxX - box.minX);
}

// Letter k of w goes to (x, y), where the crossed word already has it.
void CrosswordLayout::Place(Direction along, int w, int k, int x, int y)
{
    const Symbol* word = Word(w);
    int length = WordLength(word);
    for (int i = k + 1; i < length; ++i)
        work_.CellAt(x + (i - k) * along.dx, y + (i - k) * along.dy).SetSymbol(word[i]);
    for (int i = k; i >= 0; --i)
        work_.CellAt(x - (k - i) * along.dx, y - (k - i) * along.dy).SetSymbol(word[i]);
    remaining_.erase(w);
    UpdateBest();
    int steps = stepCounter_++;
    if (steps <= StepCap)
        Cross(Direction{along.dy, along.dx}, w, 0, x - k * along.dx, y - k * along.dy);
}

void CrosswordLayout::UpdateBest()
{
    unsigned remaining = unsigned(remaining_.size());
    if (remaining < bestRemaining_) {
        bestRemaining_ = remaining;
        bestScore_ = Score();
        best_ = work_;
    } else if (remaining == bestRemaining_) {
        int score = Score();
        if (score < bestScore_) {
            bestScore_ = score;
            best_ = work_;
        }
    }
}

// Tries words running along `along` through the letters j, j + 1, ... of word a,
// which crosses them; letter j of a lies at (x, y).
void CrosswordLayout::Cross(Direction along, int a, int j, int x, int y)
{
    Direction crossed{along.dy, along.dx};
    int lengthA = WordLength(Word(a));
    for (int i = j; i < lengthA; ++i) {
        if (!TryCandidates(along, a, i, x + (i - j) * crossed.dx, y + (i - j) * crossed.dy))
            return;
    }
}

// False when a placement passed the step cap: the calling search then returns
// at once, leaving that placement in the grid.
bool CrosswordLayout::TryCandidates(Direction along, int a, int i, int x, int y)
{
    Direction crossed{along.dy, along.dx};
    const Symbol* wordA = Word(a);
    Symbol c = wordA[i];
    int before = Room(along, -1, x, y);
    int after = Room(along, +1, x, y);
    auto letterWords = wordsByLetter_.find(Alphabet::CharOf(c));
    if (letterWords == wordsByLetter_.end())
        return true;
    // Placing and undoing changes the remaining words, never this copy.
    const std::set<int> snapshot = letterWords->second;
    for (int w : snapshot) {
        if (remaining_.count(w) == 0)
            continue;
        const Symbol* word = Word(w);
        int length = WordLength(word);
        for (int k = 0; k < length; ++k) {
            if (word[k] != c || k > before || length - k > after)
                continue;
            Place(along, w, k, x, y);
            if (stepCounter_ > StepCap)
                return false;
            if (i + 2 < WordLength(wordA))
                Cross(along, a, i + 2, x + 2 * crossed.dx, y + 2 * crossed.dy);
            Unplace(along, w, k, x, y);
        }
    }
    return true;
}

// Free cells from (x, y) in the given sense along the word's direction; a cell
// counts when it, the cells beside it and the next one further out hold no letter.
// No room at all when the crossing cell has a letter on the other side.
int CrosswordLayout::Room(Direction along, int sense, int x, int y)
{
    int dx = sense * along.dx, dy = sense * along.dy;
    if (HasLetterAt(x - dx, y - dy))
        return 0;
    int room = 0;
    for (int px = x + dx, py = y + dy; work_.Contains(px, py); px += dx, py += dy) {
        if (HasLetterAt(px, py) || HasLetterAt(px + along.dy, py + along.dx) ||
            HasLetterAt(px - along.dy, py - along.dx) || HasLetterAt(px + dx, py + dy))
            break;
        ++room;
    }
    return room;
}

void CrosswordLayout::Unplace(Direction along, int w, int k, int x, int y)
{
    const Symbol* word = Word(w);
    int length = WordLength(word);
    for (int i = 1; i < length - k; ++i)
        work_.CellAt(x + i * along.dx, y + i * along.dy).SetSymbol(EmptySymbol);
    for (int i = 0; i <= k; ++i)
        work_.CellAt(x - i * along.dx, y - i * along.dy).SetSymbol(EmptySymbol);
    // The crossing letter belongs to the crossed word, seen by its neighbours;
    // a position outside the grid reads as a block, which is not empty.
    int ax = x + along.dy, ay = y + along.dx;
    bool afterHolds = work_.Contains(ax, ay) && work_.CellAt(ax, ay).symbol != EmptySymbol;
    bool beforeHolds = work_.CellAt(x - along.dy, y - along.dx).symbol != EmptySymbol;
    if (afterHolds || beforeHolds)
        work_.CellAt(x, y).SetSymbol(word[k]);
    remaining_.insert(w);
}
