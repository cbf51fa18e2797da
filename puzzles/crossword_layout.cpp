#include "puzzles/crossword_layout.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <string>

#include "engine/alphabet.h"
#include "engine/error.h"

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
    isRemaining_.assign(words_.size(), 1);
    remainingCount_ = unsigned(words_.size());
    for (int w = 0; w < int(words_.size()); ++w) {
        lengths_.push_back(WordLength(Word(w)));
        longest_ = std::max(longest_, lengths_[w]);
        for (const Symbol* s = Word(w); *s != BlockSymbol; ++s) {
            std::vector<int>& withLetter = wordsByLetter_[static_cast<unsigned char>(Alphabet::CharOf(*s))];
            if (withLetter.empty() || withLetter.back() != w)
                withLetter.push_back(w);
            wordsBySymbol_[s->code()] = &withLetter;
        }
    }
}

CrosswordLayout::~CrosswordLayout() = default;

Grid CrosswordLayout::Generate()
{
    ReadPattern();
    letters_.emplace(work_);
    stepCounter_ = 0;
    bestScore_ = 200;
    bestRemaining_ = 999999;
    int root = ChooseRoot();
    best_ = work_;
    if (root >= 0)
        PlaceAcross(root, 0, RootCentre - lengths_[root] / 2, RootRow);
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
    for (int w = 0; w < int(words_.size()); ++w) {
        int length = lengths_[w];
        if (isRemaining_[w] && length > rootLength && RootFits(length)) {
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
    LetterBounds box = letters_->Bounds();
    return (box.maxY - box.minY) + (box.maxX - box.minX);
}

// Letter k of w goes to (x, y), where the crossed word already has it.
void CrosswordLayout::Place(Direction along, int w, int k, int x, int y)
{
    const Symbol* word = Word(w);
    for (int i = k + 1; i < lengths_[w]; ++i)
        Write(x + (i - k) * along.dx, y + (i - k) * along.dy, word[i]);
    for (int i = k; i >= 0; --i)
        Write(x - (k - i) * along.dx, y - (k - i) * along.dy, word[i]);
    Remove(w);
    UpdateBest();
    int steps = stepCounter_++;
    if (steps <= StepCap)
        Cross(Direction{along.dy, along.dx}, w, 0, x - k * along.dx, y - k * along.dy);
}

void CrosswordLayout::UpdateBest()
{
    if (remainingCount_ < bestRemaining_) {
        bestRemaining_ = remainingCount_;
        bestScore_ = Score();
        KeepAsBest();
    } else if (remainingCount_ == bestRemaining_) {
        int score = Score();
        if (score < bestScore_) {
            bestScore_ = score;
            KeepAsBest();
        }
    }
}

// The best grid starts as a full copy of the work grid, and the search writes
// nothing but symbols, which count their fills: copying those two keeps it equal
// to a full copy without copying the slots and each cell's slot references again.
void CrosswordLayout::KeepAsBest()
{
    for (std::size_t i = 0; i < work_.cells.size(); ++i) {
        best_.cells[i].symbol = work_.cells[i].symbol;
        best_.cells[i].fillCount = work_.cells[i].fillCount;
    }
}

// Every write to the work grid, so that its letter map stays equal to it.
void CrosswordLayout::Write(int x, int y, Symbol s)
{
    Cell& cell = work_.CellAt(x, y);
    cell.SetSymbol(s);
    letters_->Set(x, y, cell.HasLetter());
}

void CrosswordLayout::Remove(int w)
{
    isRemaining_[w] = 0;
    --remainingCount_;
}

void CrosswordLayout::Restore(int w)
{
    isRemaining_[w] = 1;
    ++remainingCount_;
}

// Tries words running along `along` through the letters j, j + 1, ... of word a,
// which crosses them; letter j of a lies at (x, y).
void CrosswordLayout::Cross(Direction along, int a, int j, int x, int y)
{
    Direction crossed{along.dy, along.dx};
    for (int i = j; i < lengths_[a]; ++i) {
        if (!TryCandidates(along, a, i, x + (i - j) * crossed.dx, y + (i - j) * crossed.dy))
            return;
    }
}

// False when a placement passed the step cap: the calling search then returns
// at once, leaving that placement in the grid.
bool CrosswordLayout::TryCandidates(Direction along, int a, int i, int x, int y)
{
    Direction crossed{along.dy, along.dx};
    Symbol c = Word(a)[i];
    // Measured once, for the first remaining word: most positions have none.
    int before = 0, after = -1;
    for (int w : WordsWith(c)) {
        if (!isRemaining_[w])
            continue;
        if (after < 0) {
            after = Room(along, +1, x, y);
            // No word fits without a free cell after its last letter.
            before = after > 0 ? Room(along, -1, x, y) : 0;
        }
        // Only the positions k with k <= before and length - k <= after fit.
        const Symbol* word = Word(w);
        int last = std::min(before, lengths_[w] - 1);
        for (int k = std::max(0, lengths_[w] - after); k <= last; ++k) {
            if (word[k] != c)
                continue;
            Place(along, w, k, x, y);
            if (stepCounter_ > StepCap)
                return false;
            if (i + 2 < lengths_[a])
                Cross(along, a, i + 2, x + 2 * crossed.dx, y + 2 * crossed.dy);
            Unplace(along, w, k, x, y);
        }
    }
    return true;
}

// Free cells from (x, y) in the given sense along the word's direction; a cell
// counts when it, the cells beside it and the next one further out hold no letter.
// No room at all when the crossing cell has a letter on the other side. Room
// beyond the longest word's length decides nothing, so it is not counted.
int CrosswordLayout::Room(Direction along, int sense, int x, int y)
{
    int dx = sense * along.dx, dy = sense * along.dy;
    if (HasLetterAt(x - dx, y - dy))
        return 0;
    return letters_->FreeRun(x + dx, y + dy, dx, dy, longest_);
}

void CrosswordLayout::Unplace(Direction along, int w, int k, int x, int y)
{
    const Symbol* word = Word(w);
    for (int i = 1; i < lengths_[w] - k; ++i)
        Write(x + i * along.dx, y + i * along.dy, EmptySymbol);
    for (int i = 0; i <= k; ++i)
        Write(x - i * along.dx, y - i * along.dy, EmptySymbol);
    // The crossing letter belongs to the crossed word, seen by its neighbours;
    // a position outside the grid reads as a block, which is not empty.
    int ax = x + along.dy, ay = y + along.dx;
    bool afterHolds = work_.Contains(ax, ay) && WorkCell(ax, ay).symbol != EmptySymbol;
    bool beforeHolds = WorkCell(x - along.dy, y - along.dx).symbol != EmptySymbol;
    if (afterHolds || beforeHolds)
        Write(x, y, word[k]);
    Restore(w);
}
