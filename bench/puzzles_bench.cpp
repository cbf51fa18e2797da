// Speed of the puzzle generators and page writers on lists of 10, 25 and 50
// school words, and the share of words each word order gets into a crossword.
// Run from the folder that holds the run-time files (build/bin).
#include <benchmark/benchmark.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/alphabet.h"
#include "engine/dictionary.h"
#include "engine/error.h"
#include "engine/grid.h"
#include "puzzles/bingo_page.h"
#include "puzzles/crossword_layout.h"
#include "puzzles/scramble_page.h"
#include "puzzles/word_search_generator.h"

namespace {

const char* const SchoolWords[50] = {
    "pencil",   "eraser",    "teacher",  "student",  "library", "science",  "history",   "reading",
    "writing",  "spelling",  "homework", "classroom", "chalk",  "ruler",    "notebook",  "backpack",
    "lunchbox", "recess",    "planet",   "fraction", "grammar", "alphabet", "dictionary", "poetry",
    "music",    "painting",  "crayon",   "scissors", "glue",    "paper",    "desk",      "chair",
    "window",   "calendar",  "map",      "globe",    "number",  "addition", "subtract",  "divide",
    "quiz",     "test",      "lesson",   "project",  "friend",  "playground", "bus",     "principal",
    "marker",   "geography"};

// The first `count` school words, each with a clue. The alphabet is reset
// first: its 32 letters are shared by the whole process.
Dictionary SchoolList(int count)
{
    ResetAlphabet();
    Dictionary list;
    for (int i = 0; i < count; ++i)
        list.AddWord(SchoolWords[i], std::string("clue for ") + SchoolWords[i]);
    return list;
}

const WordOrder Orders[] = {WordOrder::ListOrder, WordOrder::LongestFirst, WordOrder::ShortestFirst};
const char* const OrderNames[] = {"list order", "longest first", "shortest first"};

void CrosswordLayoutBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(1)));
    WordOrder order = Orders[state.range(0)];
    std::size_t placed = 0;
    try {
        for (auto _ : state) {
            CrosswordLayout layout(list.words, order);
            benchmark::DoNotOptimize(layout.Generate());
            placed = layout.PlacedWordCount();
        }
    } catch (const error& e) {
        state.SkipWithError(e.message().c_str());
        return;
    }
    state.SetLabel(OrderNames[state.range(0)]);
    state.counters["placed"] = double(placed);
    state.counters["placed_ratio"] = double(placed) / double(list.WordCount());
}
BENCHMARK(CrosswordLayoutBench)->ArgsProduct({{0, 1, 2}, {10, 25, 50}})->Unit(benchmark::kMillisecond);

void WordSearchGeneratorBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(0)));
    std::size_t placed = 0;
    for (auto _ : state) {
        WordSearchGenerator generator(list.words);
        Grid grid = generator.Generate();
        placed = grid.placements.size();
        benchmark::DoNotOptimize(grid);
    }
    state.counters["placed_ratio"] = double(placed) / double(list.WordCount());
}
BENCHMARK(WordSearchGeneratorBench)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

// Runs one page writer over a generated grid of the list.
template <typename Write>
void PageBench(benchmark::State& state, Grid grid, Write write)
{
    try {
        for (auto _ : state) {
            std::ostringstream page;
            write(grid, page);
            benchmark::DoNotOptimize(page.str());
        }
    } catch (const error& e) {
        state.SkipWithError(e.message().c_str());
    }
}

// The crossword of the list, or nothing when the pattern cannot be read.
std::optional<Grid> LaidOut(benchmark::State& state, const Dictionary& list)
{
    try {
        return CrosswordLayout(list.words).Generate();
    } catch (const error& e) {
        state.SkipWithError(e.message().c_str());
        return std::nullopt;
    }
}

void CrosswordPageBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(0)));
    if (std::optional<Grid> grid = LaidOut(state, list))
        PageBench(state, *grid, [&list](Grid& g, std::ostream& out) { g.WriteCrosswordHtml(out, list, true); });
}
BENCHMARK(CrosswordPageBench)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

void PlainGridPageBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(0)));
    if (std::optional<Grid> grid = LaidOut(state, list))
        PageBench(state, *grid, [](Grid& g, std::ostream& out) { g.PrintHtml(out); });
}
BENCHMARK(PlainGridPageBench)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

void WordSearchPageBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(0)));
    Grid grid = WordSearchGenerator(list.words).Generate();
    PageBench(state, grid, [&list](Grid& g, std::ostream& out) { g.WriteWordSearchHtml(out, list); });
}
BENCHMARK(WordSearchPageBench)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

void BingoPageBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildBingoPage(list, 10, true));
    state.SetLabel("10 cards");
}
BENCHMARK(BingoPageBench)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

void ScramblePageBench(benchmark::State& state)
{
    Dictionary list = SchoolList(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FillScramblePage(BuildScramblePage(list), "School words", true));
}
BENCHMARK(ScramblePageBench)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace
