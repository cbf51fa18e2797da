#include "engine/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>

#include "engine/clock_seed.h"

FillerOptions fillerOptions;

const char* optionArgument = nullptr;
int optionNextIndex = 0;

namespace {

const char* nextOptionChar = nullptr;

const char* const OptionString = "ad:p:vf:hsSw:i:br:g:?";

bool IsOptionArgument(const char* argument) { return argument[0] == '-' && argument[1] != '\0'; }

// Moves to the next argument; false, with the option argument set, when the options end there.
bool StepToNextArgument(int count, char* const* vector)
{
    if (optionNextIndex == 0)
        optionNextIndex = 1;
    if (optionNextIndex >= count || !IsOptionArgument(vector[optionNextIndex])) {
        if (optionNextIndex < count)
            optionArgument = vector[optionNextIndex];
        return false;
    }
    if (std::strcmp(vector[optionNextIndex], "--") == 0) {
        ++optionNextIndex;
        if (optionNextIndex < count)
            optionArgument = vector[optionNextIndex];
        return false;
    }
    nextOptionChar = vector[optionNextIndex++] + 1;
    return true;
}

void PrintUsageLine(const std::string& option, const std::string& description)
{
    std::cout << "   " << std::left << std::setw(18) << option << description << '\n';
}

void PrintUsage()
{
    std::cout << "Usage: gridfill [options]\n\noptions:\n";
    PrintUsageLine("-d filename", "Specify dictionary file (default: /usr/dict/words)");
    PrintUsageLine("-p filename", "Read grid pattern from file");
    PrintUsageLine("-g filename", "Read generalized grid pattern from file");
    PrintUsageLine("-w walkertype", "Walking heuristics: prefix or flood");
    PrintUsageLine("-f format", "Output format, one of `simple' or `ascii' (default)");
    PrintUsageLine("-r seed", "Set the random seed");
    PrintUsageLine("-a", "Include all words from dictionary (default: ignore words\n" + std::string(21, ' ') +
                             "with non-alphabetic characters)");
    PrintUsageLine("-v", "Be verbose - prints algorithmic info");
    PrintUsageLine("-vv", "Be more verbose - also prints word search info (debug)");
    PrintUsageLine("-s", "Print the grid filling regularly during compilation");
    PrintUsageLine("-S", "Print the grid filling each step");
    PrintUsageLine("-b", "Benchmark dictionaries");
    PrintUsageLine("-[?h]", "Display this help screen");
    std::cout.flush();
}

bool CanOpen(const char* path)
{
    std::FILE* f = std::fopen(path, "r");
    if (f)
        std::fclose(f);
    return f != nullptr;
}

void SetDefaults(FillerOptions& o)
{
    o.outputFormat = 1;
    o.walker = 1;
    o.printRegularly = o.printEachStep = false;
    o.verbosity = 0;
    for (const char* path : {"/usr/dict/words", "/usr/share/dict/words"})
        if (CanOpen(path)) {
            o.dictionaryPath = path;
            break;
        }
    o.patternPath.clear();
    o.patternKind = 0;
    o.benchmark = o.seedGiven = o.allWords = false;
    o.seed = 0;
}

// One option letter; false when the parse must end with -1.
bool ApplyOption(FillerOptions& o, int letter, const std::string& argument)
{
    switch (letter) {
    case 'a': o.allWords = true; break;
    case 'b': o.benchmark = true; break;
    case 'd': o.dictionaryPath = argument; break;
    case 'f':
        if (argument == "simple" || argument == "ascii") {
            o.outputFormat = argument == "simple" ? 0 : 1;
            break;
        }
        std::cout << "Invalid format specifier" << std::endl;
        return false;
    case 'g': o.patternPath = argument; o.patternKind = 1; break;
    case 'i': break;
    case 'p': o.patternPath = argument; o.patternKind = 2; break;
    case 'r': o.seedGiven = true; o.seed = std::atoi(argument.c_str()); break;
    case 's': o.printRegularly = true; break;
    case 'S': o.printEachStep = true; break;
    case 'v': ++o.verbosity; break;
    case 'w':
        if (argument == "prefix" || argument == "flood") {
            o.walker = argument == "prefix" ? 0 : 1;
            break;
        }
        std::cout << "Invalid walker specifier" << std::endl;
        return false;
    default:  // 'h' and '?'
        PrintUsage();
        return false;
    }
    return true;
}

}  // namespace

FillerOptions::FillerOptions() = default;
FillerOptions::~FillerOptions() = default;

int NextOption(int count, char* const* vector, const char* options)
{
    if (optionNextIndex == 0)
        nextOptionChar = nullptr;
    optionArgument = nullptr;
    if ((!nextOptionChar || *nextOptionChar == '\0') && !StepToNextArgument(count, vector))
        return -1;
    char c = *nextOptionChar++;
    const char* known = std::strchr(options, c);
    if (!known || c == ':')
        return '?';
    if (known[1] != ':')
        return c;
    if (*nextOptionChar != '\0') {
        optionArgument = nextOptionChar;
        nextOptionChar = nullptr;
        return c;
    }
    if (optionNextIndex >= count)
        return '?';
    optionArgument = vector[optionNextIndex++];
    return c;
}

int ParseFillerOptions(int count, char* const* vector)
{
    SetDefaults(fillerOptions);
    for (int letter; (letter = NextOption(count, vector, OptionString)) != -1;)
        if (!ApplyOption(fillerOptions, letter, optionArgument ? optionArgument : ""))
            return -1;
    if (!fillerOptions.dictionaryPath.empty())
        return 0;
    std::cerr << "No dictionary file found in standard locations and none specified on command line using -d option."
              << std::endl;
    return -1;
}

void SeedRandomFromClock(const FillerOptions&) { std::srand(ClockSeed()); }
